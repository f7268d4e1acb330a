#include "skins/paint/nine_slice.h"
#include "skins/paint/section_paint.h"

namespace lingotab::skins {

void DrawBorderMask(QImage& target, const TacSkinContent& skin, const QRect& rect, int maskIndex,
                    int state, bool corners, const TCacheInfo& ci, QRegion* cutOut) {
    if (rect.width() < 2 || rect.height() < 2 || !skin.IsValidImgIndex(maskIndex)) return;
    const TsMaskData& mask = skin.ma[static_cast<size_t>(maskIndex)];
    if (state <= 0 && (mask.DrawMode & 2) != 0) return;
    const bool stretch = (mask.DrawMode & 1) != 0 && mask.MaskType == 0;
    const TacNineSlice slice{
        maskFrame(skin, maskIndex, state), mask.WL, mask.WT, mask.WR, mask.WB, stretch,
        (mask.DrawMode & 4) != 0,          stretch};
    slice.render(target, rect, TacBackdrop(ci, rect.topLeft()), corners, cutOut);
}

void DrawMaskGlyph(QImage& target, const TacSkinContent& skin, QPoint at, int state, int maskIndex,
                   bool enabled) {
    const TacMaskFrame frame = maskFrame(skin, maskIndex, state);
    if (!frame.valid()) return;
    TacPieceRules rules;
    if (frame.ownImage) {
        rules.useAlpha = true;
    } else if (frame.maskBandOffset > 0) {
        rules.maskBandOffset = frame.maskBandOffset;
    } else if (!enabled) {
        rules.sourceShare = 128;
    }
    copyPiece(target, QRect(at, frame.rect.size()), *frame.image, frame.rect, false, rules);
}

}  // namespace lingotab::skins
