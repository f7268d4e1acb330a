#pragma once

// A small skin built in memory for tests of the skinned controls: "FORM",
// "PANEL", "BUTTON" (a border with magenta corners), "CHECKBOX"
// (transparent, over a panel that gives its font) and "GLOBALINFO" with
// check glyphs, in a manager that is the default manager.

#include "skins/manager/skin_manager.h"

namespace lingotab::skins::test {

inline constexpr TColor kPanelColor = 0x204060;
inline constexpr TColor kButtonColor = 0x808080;
inline constexpr TColor kButtonHotColor = 0xA0A0A0;
inline constexpr QRgb kGlyphPixel = 0xFF10E010;

struct PaintedSkin {
    TsSkinManager manager;
    int button = -1;
    int checkBox = -1;

    PaintedSkin();
    TsGeneralData& section(const QString& name);
};

}  // namespace lingotab::skins::test
