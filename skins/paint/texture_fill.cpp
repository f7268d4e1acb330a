#include "skins/paint/texture_fill.h"

#include "skins/paint/mask_frame.h"
#include "skins/paint/nine_slice.h"

namespace lingotab::skins {

QRect fillTexture(QImage& target, const QRect& rect, const TacSkinContent& skin, int maskIndex) {
    const TacMaskFrame frame = maskFrame(skin, maskIndex, 0);
    if (!frame.valid() || rect.isEmpty()) return {};
    const int mode = skin.ma[static_cast<size_t>(maskIndex)].DrawMode;
    const int tw = std::min(frame.rect.width(), rect.width());
    const int th = std::min(frame.rect.height(), rect.height());
    const int l = rect.left(), t = rect.top(), w = rect.width(), h = rect.height();

    QRect piece = rect;
    QRect rest;
    bool stretch = false;
    switch (mode) {
        case 0:
        case 10:
            break;
        case 1:
            stretch = true;
            break;
        case 2:
        case 4:
            piece = {l, t, w, th};
            rest = {l, t + th, w, h - th};
            stretch = mode == 4;
            break;
        case 3:
        case 5:
            piece = {l, t, tw, h};
            rest = {l + tw, t, w - tw, h};
            stretch = mode == 5;
            break;
        case 6:
            piece = {l, t + h - th, w, th};
            rest = {l, t, w, h - th};
            break;
        default:
            piece = {l + w - tw, t, tw, h};
            rest = {l, t, w - tw, h};
            break;
    }
    TacPieceRules rules;
    rules.maskBandOffset = frame.maskBandOffset;
    rules.magentaTransparent = false;
    rules.useAlpha = frame.ownImage;
    copyPiece(target, piece, *frame.image, frame.rect, stretch, rules);
    return rest;
}

void tileImage(QImage& target, const QRect& rect, const QImage& image) {
    TacPieceRules rules;
    rules.magentaTransparent = false;
    copyPiece(target, rect, image, image.rect(), false, rules);
}

}  // namespace lingotab::skins
