#include "hints/markup/image_canvas.h"

#include <QFontMetrics>
#include <algorithm>

namespace lingotab::hints {
namespace {

// Markup can ask for any size; beyond these limits a hint would only be an
// unusable, huge picture.
constexpr int kMinPoints = 1;
constexpr int kMaxPoints = 200;

constexpr int kWrapFlags = Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap;

}  // namespace

ImageCanvas::ImageCanvas(QImage* image, HintFont startFont) : image_(image) {
    font = std::move(startFont);
}

QFont ImageCanvas::toQFont(const HintFont& font) {
    QFont result(font.name);
    const int points = std::clamp(font.size, kMinPoints, kMaxPoints);
    result.setPixelSize((points * 96 + 36) / 72);
    result.setBold(font.bold);
    result.setItalic(font.italic);
    result.setUnderline(font.underline);
    result.setStrikeOut(font.strikeOut);
    return result;
}

QPainter* ImageCanvas::painter() {
    if (!painter_ && image_ && !image_->isNull()) painter_.emplace(image_);
    if (!painter_) return nullptr;
    painter_->setFont(toQFont(font));
    painter_->setPen(font.color);
    return &*painter_;
}

void ImageCanvas::textOut(int x, int y, const QString& text) {
    if (QPainter* p = painter()) p->drawText(x, y + QFontMetrics(p->font()).ascent(), text);
}

int ImageCanvas::textWidth(const QString& text) {
    return QFontMetrics(toQFont(font)).horizontalAdvance(text);
}

int ImageCanvas::textHeight(const QString& text) {
    // The line height of the font, as a single-line text extent is measured.
    return text.isEmpty() ? 0 : QFontMetrics(toQFont(font)).height();
}

QRect ImageCanvas::wrappedTextRect(const QRect& area, const QString& text) {
    const QRect bounds = QFontMetrics(toQFont(font)).boundingRect(area, kWrapFlags, text);
    return QRect(area.topLeft(), bounds.size());
}

void ImageCanvas::drawWrappedText(const QRect& area, const QString& text) {
    if (QPainter* p = painter()) p->drawText(area, kWrapFlags, text);
}

}  // namespace lingotab::hints
