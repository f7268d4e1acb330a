#include "skins/paint/cache_info.h"

#include "skins/paint/pixels.h"

namespace lingotab::skins {

TacBackdrop::TacBackdrop(const TCacheInfo& ci, QPoint rectTopLeft)
    : image_(ci.hasImage() ? ci.Bmp : nullptr),
      offset_(QPoint(ci.X, ci.Y) - rectTopLeft),
      fill_(colorToPixel(ci.FillColor)),
      hasFill_(ci.FillColor != clFuchsia) {}

bool TacBackdrop::pixelAt(int x, int y, QRgb& pixel) const {
    if (image_ != nullptr) {
        const QPoint p(x + offset_.x(), y + offset_.y());
        if (image_->rect().contains(p)) {
            pixel = reinterpret_cast<const QRgb*>(image_->constScanLine(p.y()))[p.x()];
            return true;
        }
    }
    if (!hasFill_) return false;
    pixel = fill_;
    return true;
}

}  // namespace lingotab::skins
