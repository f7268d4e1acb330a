#include "skins/options/system_colors.h"

#include <array>

namespace lingotab::skins {

namespace {

// The system colour table of a standard light desktop, by index
// (scroll bar, background, active caption, ... menu bar).
constexpr std::array<TColor, 31> kSystemColors = {
    0xC8C8C8,  // scroll bar
    0x000000,  // desktop background
    0xD1B499,  // active caption
    0xDBCDBF,  // inactive caption
    0xF0F0F0,  // menu
    0xFFFFFF,  // window
    0x646464,  // window frame
    0x000000,  // menu text
    0x000000,  // window text
    0x000000,  // caption text
    0xB4B4B4,  // active border
    0xFCF7F4,  // inactive border
    0xABABAB,  // application workspace
    0xFF9933,  // highlight
    0xFFFFFF,  // highlight text
    0xF0F0F0,  // button face
    0xA0A0A0,  // button shadow
    0x6D6D6D,  // gray text
    0x000000,  // button text
    0x000000,  // inactive caption text
    0xFFFFFF,  // button highlight
    0x696969,  // 3-D dark shadow
    0xE3E3E3,  // 3-D light
    0x000000,  // info text
    0xE1FFFF,  // info background
    0x000000,  // (unused index 25)
    0xCC6600,  // hot light
    0xEAD1B9,  // gradient active caption
    0xF2E4D7,  // gradient inactive caption
    0xFF9933,  // menu highlight
    0xF0F0F0,  // menu bar
};

}  // namespace

TColor ColorToRGB(TColor color) {
    if (color >= 0) return color;
    const unsigned index = static_cast<uint32_t>(color) & 0xFFu;
    if ((static_cast<uint32_t>(color) & 0xFF000000u) == 0xFF000000u && index < kSystemColors.size())
        return kSystemColors[index];
    return clBlack;
}

}  // namespace lingotab::skins
