#pragma once

#include "skins/options/skin_content.h"

#include <QImage>
#include <QRect>

namespace lingotab::skins {

// One state frame of a mask: where its pixels are and, with a mask band,
// how far below them their mask pixels lie.
struct TacMaskFrame {
    const QImage* image = nullptr;  // the mask's own bitmap or the master bitmap
    QRect rect;                     // the frame in the first band
    int maskBandOffset = 0;         // rows down to the mask band; 0: none
    // A mask's own image carries real alpha (PNG files): alpha 0 is transparent.
    bool ownImage = false;

    bool valid() const { return image != nullptr && !rect.isEmpty(); }
};

// Frame `frame` (limited to 0 .. ImageCount - 1) of mask `maskIndex`: frame
// width is the mask's width divided by ImageCount, height one band's height.
// Invalid when the index is bad or the frame lies outside its image.
TacMaskFrame maskFrame(const TacSkinContent& skin, int maskIndex, int frame);

// The state limited to 0 .. count - 1.
inline int limitState(int state, int count) {
    return state >= count ? std::max(count - 1, 0) : std::max(state, 0);
}

}  // namespace lingotab::skins
