#pragma once

// Copying pieces of skin images into a target bitmap, and the nine-part
// slice that lays one frame of a border mask around a rectangle.

#include "skins/paint/cache_info.h"
#include "skins/paint/mask_frame.h"

#include <QImage>
#include <QRect>
#include <QRegion>

namespace lingotab::skins {

// How the pixels of one piece reach the target.
struct TacPieceRules {
    // Rows from a source pixel down to its mask pixel; 0: no mask band. With
    // a mask band every channel becomes (source * (256 - m) + target * m) / 256.
    int maskBandOffset = 0;
    // Exactly magenta source pixels are transparent: they take the backdrop's
    // pixel when one is given and known there, else they are skipped.
    const TacBackdrop* backdrop = nullptr;
    // Collects the target positions of magenta source pixels, when given.
    QRegion* cutOut = nullptr;
    // Textures are copied as they are, magenta included.
    bool magentaTransparent = true;
    // Images with an alpha channel of their own: alpha 0 is transparent and
    // partial alpha blends over the target.
    bool useAlpha = false;
    // Share of the source in 256ths: below 256 the piece blends over the target.
    int sourceShare = 256;
    // Collects the target positions of magenta source pixels, when given.
};

// Fills `target` over `to` with the pixels of `from`, repeated (the last
// repetition cut to fit) or stretched by dropping or repeating pixels.
void copyPiece(QImage& target, const QRect& to, const QImage& source, const QRect& from,
               bool stretch, const TacPieceRules& rules);

// One frame cut into nine pieces by its slice widths.
struct TacNineSlice {
    TacMaskFrame frame;
    int WL = 0, WT = 0, WR = 0, WB = 0;
    bool stretchEdges = false;   // else the edges repeat
    bool fillMiddle = false;     // else the inside is left alone
    bool stretchMiddle = false;  // with fillMiddle: stretch instead of repeat

    // Lays the slice around `rect`. Slices wider than the rectangle shrink
    // by half the excess each (the right or bottom one a pixel more when the
    // size is odd). Magenta corner pixels show `backdrop` when `corners` is
    // set; magenta edge pixels show it only where it has an image. Magenta
    // corner pixels are collected in `cutOut` when given. A frame whose middle
    // would be negative draws nothing.
    void render(QImage& target, const QRect& rect, const TacBackdrop& backdrop, bool corners,
                QRegion* cutOut = nullptr) const;
};

}  // namespace lingotab::skins
