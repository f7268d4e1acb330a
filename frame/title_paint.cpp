#include "frame/title_paint.h"

#include "skins/paint/pixels.h"
#include "skins/paint/section_paint.h"
#include "skins/paint/text_routine.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace lingotab::frame {

namespace {

// What lies under a part of the frame picture: a copy of it as painted so far.
skins::TCacheInfo parentCopy(const QImage& copy) {
    skins::TCacheInfo ci;
    ci.Bmp = &copy;
    ci.Ready = true;
    return ci;
}

// Halves of the two pictures, as the half transparent look draws a frame.
constexpr int kHalf = 128;

// The button's picture and glyph in `state` over the background.
QImage buttonFace(const skins::TacSkinContent& skin, const QImage& background,
                  const TsCaptionButton& button, const QImage& glyph, int state) {
    QImage face = background;
    if (button.ImageIndex >= 0)
        skins::DrawMaskGlyph(face, skin, {0, 0}, state, button.ImageIndex, true);
    if (!glyph.isNull()) {
        const int shift = state == 2 ? 1 : 0;
        QPainter painter(&face);
        painter.drawImage(QPoint((face.width() - glyph.width()) / 2 + shift,
                                 (face.height() - glyph.height()) / 2 + shift),
                          glyph);
    }
    return face;
}

}  // namespace

TacCaptionText placeCaption(const TacTitleBarLayout& layout, const TacFramePaintInput& in) {
    const int available = layout.TextRight - layout.TextLeft;
    if (available <= 0 || in.Caption.isEmpty()) return {};
    const QFontMetrics metrics(in.Font);
    TacCaptionText caption;
    caption.Text = metrics.elidedText(in.Caption, Qt::ElideRight, available);
    const int width = std::min(metrics.horizontalAdvance(caption.Text), available);
    TAlignment alignment = in.Alignment;
    if (in.RightToLeft && alignment != taCenter)
        alignment = alignment == taLeftJustify ? taRightJustify : taLeftJustify;
    int left = layout.TextLeft;
    if (alignment == taRightJustify)
        left = layout.TextRight - width;
    else if (alignment == taCenter)
        left = std::max(layout.TextLeft, layout.TextLeft + (available - width) / 2);
    const int top = in.Maximized ? 3 : 2;
    caption.Rect = QRect(left, top, width, std::max(0, layout.BandHeight - top));
    return caption;
}

QImage PaintFrame(const skins::TacSkinContent& skin, const TacTitleBarLayout& layout,
                  const TacFramePaintInput& in) {
    QImage image(in.Size, QImage::Format_ARGB32);
    image.fill(skins::colorToPixel(skin.GetGlobalColor()));
    const int state = in.Active ? 1 : 0;
    skins::PaintSection(image, skin, in.FormIndex, {}, {0, 0}, image.rect(), 0, false);

    const QRect band(0, 0, in.Size.width(), layout.BandHeight);
    {
        const QImage under = image.copy(band);
        skins::PaintSection(image, skin, in.TitleIndex, parentCopy(under), {0, 0}, band, state,
                            false);
    }
    if (skin.IsValidImgIndex(in.TitleBarMask) && in.HasSystemButtons) {
        const int width = 2 * maskFrameSize(skin, in.TitleBarMask).width() + layout.ButtonsWidth;
        const QRect mask(band.width() - width, 0, width, band.height());
        const QImage under = image.copy(mask);
        skins::DrawBorderMask(image, skin, mask, in.TitleBarMask, state, false, parentCopy(under));
    }

    QPainter painter(&image);
    if (layout.Icon.width() > 0 && !in.Icon.isNull()) painter.drawImage(layout.Icon, in.Icon);

    const TacCaptionText caption = placeCaption(layout, in);
    if (caption.Text.isEmpty()) return image;
    if (skin.IsValidSkinIndex(in.CaptionIndex)) {
        const QRect behind = caption.Rect.adjusted(-4, -2, 4, 2) & band;
        const QImage under = image.copy(behind);
        skins::PaintSection(image, skin, in.CaptionIndex, parentCopy(under), {0, 0}, behind, state,
                            false);
    }
    painter.setFont(in.Font);
    painter.setLayoutDirection(in.RightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    const int section = skin.IsValidSkinIndex(in.CaptionIndex) ? in.CaptionIndex : in.TitleIndex;
    skins::WriteTextEx(painter, caption.Text, true, in.Active, &skin, section,
                       Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, caption.Rect);
    return image;
}

QImage PaintButton(const skins::TacSkinContent& skin, const QImage& background,
                   const TsCaptionButton& button, const QImage& glyph, bool formActive) {
    const TacButtonFade* fade = button.Timer.get();
    // Without an animation the state is drawn as it is; with one, the normal
    // look carries the animated look at its current share.
    const int baseState = fade ? 0 : button.State;
    QImage look = buttonFace(skin, background, button, glyph, baseState);
    if ((baseState == 0 && !formActive) || !button.Enabled) {
        QImage half = background;
        skins::blendPixels(half, {0, 0}, look, look.rect(), kHalf);
        look = std::move(half);
    }
    if (fade && fade->ShownState() > 0 && fade->Level() > 0) {
        QImage over = buttonFace(skin, background, button, glyph, fade->ShownState());
        if (fade->Level() >= 255)
            look = std::move(over);
        else
            skins::blendPixels(look, {0, 0}, over, over.rect(), 255 - fade->Level());
    }
    return look;
}

}  // namespace lingotab::frame
