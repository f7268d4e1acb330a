#pragma once

#include <cstdint>

namespace lingotab::skins {

// Colours of the skin engine: red in the low byte, then green, then blue.
// Negative values (high byte 0xFF) name system colours by their index in the
// low byte; `ColorToRGB` resolves them.
using TColor = int32_t;

inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clBlack = 0x000000;
// Magenta marks transparent pixels and "no colour" throughout the engine.
inline constexpr TColor clFuchsia = 0xFF00FF;

inline constexpr TColor clSystemColor = static_cast<TColor>(0xFF000000u);
inline constexpr TColor clWindow = clSystemColor | 5;
inline constexpr TColor clWindowText = clSystemColor | 8;
inline constexpr TColor clHighlight = clSystemColor | 13;
inline constexpr TColor clHighlightText = clSystemColor | 14;
inline constexpr TColor clBtnFace = clSystemColor | 15;

// The RGB value of a colour: system colours become the current value of the
// desktop palette (a standard light desktop), others are returned unchanged.
// Unknown system indexes resolve to black.
TColor ColorToRGB(TColor color);

}  // namespace lingotab::skins
