#include "hints/window/hint_font.h"

#include <QGuiApplication>
#include <QToolTip>
#include <algorithm>

namespace lingotab::hints {

namespace {

HintFont fromQFont(const QFont& font) {
    HintFont result;
    result.name = font.family();
    // Sizes are kept in points at 96 pixels per inch.
    result.size = font.pointSize() > 0 ? font.pointSize() : std::max(1, font.pixelSize() * 72 / 96);
    return result;
}

}  // namespace

HintFont platformHintFont() {
    HintFont result = fromQFont(QToolTip::font());
    result.color = QToolTip::palette().color(QPalette::ToolTipText);
    return result;
}

HintFont platformDefaultFont() {
    return qGuiApp ? fromQFont(QGuiApplication::font()) : HintFont();
}

}  // namespace lingotab::hints
