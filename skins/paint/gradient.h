#pragma once

#include "skins/options/skin_data.h"

#include <QImage>
#include <QRect>

namespace lingotab::skins {

// A texture tiled over a gradient in the same pass: every channel becomes
// (gradient * (256 - share) + texture * share) / 256.
struct TacTextureOverlay {
    const QImage* image = nullptr;
    QRect tile;  // the tile inside `image`, repeated from the rectangle's top-left
    int share = 0;
};

// Paints `gradient` over `rect` in the form of its first band's Mode1:
// 0 bands from top to bottom, 1 from left to right (each band `Percent` of
// the size, the last one to the end, colours running from Color1 to Color2),
// 2 four corners (top-left, centre, top-right, bottom-right, bottom-left from
// bands 1 to 5, a missing band repeating the one before) joined by four
// triangles. Returns false, painting nothing, for an empty gradient or
// another form.
bool paintGradient(QImage& target, const QRect& rect, const TsGradArray& gradient,
                   const TacTextureOverlay* overlay = nullptr);

}  // namespace lingotab::skins
