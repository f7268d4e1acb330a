#include "skins/paint/text_routine.h"

#include "skins/paint/pixels.h"

namespace lingotab::skins {

namespace {

QColor qcolor(TColor color) {
    return QColor::fromRgb(colorToPixel(color));
}

}  // namespace

void WriteTextEx(QPainter& painter, const QString& text, bool enabled, bool hot,
                 const TacSkinContent* skin, int S, int flags, const QRect& rect) {
    if (text.isEmpty()) return;
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.setBrush(Qt::NoBrush);
    const auto draw = [&](TColor color, int dx, int dy) {
        painter.setPen(qcolor(color));
        painter.drawText(rect.translated(dx, dy), flags, text);
    };
    if (skin == nullptr || !skin->IsValidSkinIndex(S)) {
        painter.drawText(rect, flags, text);
    } else {
        const TsGeneralData& section = skin->gd[static_cast<size_t>(S)];
        if (!enabled) {
            draw(MixColors(ColorToRGB(section.Props[0].FontColor.Color), skin->GetGlobalColor(),
                           0.4),
                 0, 0);
        } else {
            const TsFontColor& fc = section.Props[hot ? 1 : 0].FontColor;
            if (fc.Left != -1) draw(fc.Left, -1, 0);
            if (fc.Top != -1) draw(fc.Top, 0, -1);
            if (fc.Right != -1) draw(fc.Right, 1, 0);
            if (fc.Bottom != -1) draw(fc.Bottom, 0, 1);
            draw(fc.Color, 0, 0);
        }
    }
    painter.restore();
}

void DrawFocusRect(QImage& image, const QRect& r, TColor a, TColor b) {
    if (r.isEmpty()) return;
    const QRgb pa = colorToPixel(a), pb = colorToPixel(b);
    const auto set = [&](int x, int y, QRgb p) {
        if (image.rect().contains(x, y)) image.setPixel(x, y, p);
    };
    // The rectangle with its right and bottom edges pulled in by one pixel.
    const int left = r.left(), top = r.top(), right = r.right() - 1, bottom = r.bottom() - 1;
    for (int x = left; x <= right; x += 3) {
        for (int y : {top, bottom}) {
            set(x, y, pb);
            if (x > left) set(x - 1, y, pa);
        }
    }
    for (int y = top; y <= bottom; y += 3) {
        for (int x : {left, right}) {
            set(x, y, pb);
            if (y > top) set(x, y - 1, pa);
        }
    }
}

void ApplyDisabledLook(QImage& image, const TCacheInfo& parent, QPoint parentPos) {
    if (parent.hasImage()) {
        const TacBackdrop under(parent.shifted(parentPos), {0, 0});
        fadeIntoImage(image, image.rect(), *under.image(), under.offset(), 40);
    } else if (parent.FillColor != clFuchsia) {
        blendColorPercent(image, image.rect(), parent.FillColor, 50);
    }
}

}  // namespace lingotab::skins
