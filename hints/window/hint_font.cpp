#include "hints/window/hint_font.h"

#include <QToolTip>

namespace lingotab::hints {

HintFont platformHintFont() {
    const QFont font = QToolTip::font();
    HintFont result;
    result.name = font.family();
    // Sizes are kept in points at 96 pixels per inch.
    result.size = font.pointSize() > 0 ? font.pointSize() : std::max(1, font.pixelSize() * 72 / 96);
    result.color = QToolTip::palette().color(QPalette::ToolTipText);
    return result;
}

}  // namespace lingotab::hints
