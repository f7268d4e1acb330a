#include "skins/paint/mask_frame.h"

namespace lingotab::skins {

TacMaskFrame maskFrame(const TacSkinContent& skin, int maskIndex, int frame) {
    if (!skin.IsValidImgIndex(maskIndex)) return {};
    const TsMaskData& mask = skin.ma[static_cast<size_t>(maskIndex)];
    const QImage* image = mask.Bmp.isNull() ? &skin.MasterBitmap : &mask.Bmp;
    if (image->isNull()) return {};
    // Masks made from whole images may leave R empty: they use all of it.
    const TRect r = !mask.Bmp.isNull() && mask.R.width() <= 0
                        ? TRect{0, 0, mask.Bmp.width(), mask.Bmp.height()}
                        : mask.R;
    const int count = std::max<int>(mask.ImageCount, 1);
    const int bands = std::max(mask.MaskType + 1, 1);
    const int width = r.width() / count;
    const int height = r.height() / bands;
    const int index = limitState(frame, count);
    const QRect rect(r.Left + index * width, r.Top, width, height);
    const int offset = mask.MaskType > 0 ? height : 0;
    if (width <= 0 || height <= 0 || !image->rect().contains(rect) ||
        !image->rect().contains(rect.translated(0, offset)))
        return {};
    return {image, rect, offset, image != &skin.MasterBitmap};
}

}  // namespace lingotab::skins
