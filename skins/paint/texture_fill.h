#pragma once

#include "skins/options/skin_content.h"

#include <QImage>
#include <QRect>

namespace lingotab::skins {

// Draws texture mask `maskIndex` (its first frame is the tile, laid from the
// rectangle's top-left corner, through its mask band when it has one) over
// `rect` by its fill type, the mask's DrawMode: 0 and 10 tile the whole
// rectangle; 1 stretches one tile over it; 2 tiles one row along the top
// edge, 3 one column along the left edge; 4 stretches one tile across the
// top edge, 5 down the left edge; 6 tiles one row along the bottom edge; 7
// and any other value one column along the right edge. Returns the part of
// the rectangle left uncovered (empty when all is covered or nothing could
// be drawn).
QRect fillTexture(QImage& target, const QRect& rect, const TacSkinContent& skin, int maskIndex);

// Tiles a whole image over `rect` from its top-left corner.
void tileImage(QImage& target, const QRect& rect, const QImage& image);

}  // namespace lingotab::skins
