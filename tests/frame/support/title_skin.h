#pragma once

// A small skin for title-bar tests: plain "FORM" and "FORMTITLE" sections
// and button pictures of chosen sizes cut from a master bitmap, each
// picture one solid colour per frame.

#include "skins/manager/skin_manager.h"

namespace lingotab::frame::test {

inline constexpr skins::TColor kTitleColor = 0x602010;     // inactive band
inline constexpr skins::TColor kTitleHotColor = 0x904020;  // active band
inline constexpr QRgb kFramePixel[3] = {0xFF10A010, 0xFFA0A010, 0xFF1010A0};

struct TitleSkin {
    skins::TsSkinManager manager;

    TitleSkin();
    // Adds "GLOBALINFO" mask `key` of three frames, each `width` x `height`,
    // with a mask band below when `maskBand`; frame i is kFramePixel[i].
    void addPicture(const QString& key, int width, int height, bool maskBand = false);
    // The Vista-like set: close, maximize, minimize, restore and help
    // 21 x 18, title button 19 x 18.
    void addStandardPictures();

  private:
    int nextLeft_ = 0;
};

}  // namespace lingotab::frame::test
