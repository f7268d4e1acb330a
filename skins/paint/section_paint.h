#pragma once

// Painting a control's rectangle from its skin section: background (colour,
// gradient, texture, transparency over the parent), corner images and border
// mask, in the normal or a hot state.

#include "skins/options/skin_content.h"
#include "skins/paint/cache_info.h"

#include <QImage>
#include <QRect>
#include <QRegion>

namespace lingotab::skins {

// Paints section `SkinIndex` over `rect` of `target` in `State` (limited to
// the section's States - 1): background, corner images, then the border
// mask. `parentPos` is the rectangle's place in the parent, so that `ci`
// shows the right part of the parent. `Texture` and `HotTexture` are the
// section's texture masks, -1 to look them up. Magenta corner pixels of the
// border mask are collected in `cutOut` when given. Does nothing for an
// invalid section, an empty rectangle or one with a negative corner, or a
// target smaller than the rectangle.
void PaintSection(QImage& target, const TacSkinContent& skin, int SkinIndex, const TCacheInfo& ci,
                  QPoint parentPos, const QRect& rect, int State, bool corners, int HotTexture = -1,
                  int Texture = -1, QRegion* cutOut = nullptr);

// The background alone. A `color` other than magenta replaces the section's
// colour and drops its transparency, gradient and texture.
void PaintSectionBackground(QImage& target, const TacSkinContent& skin, int SkinIndex,
                            const TCacheInfo& ci, QPoint parentPos, const QRect& rect, int State,
                            int HotTexture = -1, int Texture = -1, TColor color = clFuchsia);

// What fills a background, as chosen for one state.
struct TacSectionContent {
    int ImagePercent = 0;
    int GradientPercent = 0;
    TColor Color = clWhite;
    int TextureMask = -1;             // a texture mask, or -1
    const QImage* Pattern = nullptr;  // a large JPEG texture when there is no mask
    const TsGradArray* Gradient = nullptr;
};

// Fills `rect` with texture, gradient and colour by their shares.
void FillSectionContent(QImage& target, const QRect& rect, const TacSkinContent& skin,
                        const TacSectionContent& content);

// Lays frame `state` of border mask `maskIndex` around `rect` as a nine-part
// slice (Drawmode bit 1: stretch the edges, bit 2: only in states above 0,
// bit 4: fill the inside too). `ci` gives the parent under the rectangle's
// top-left corner; with `corners` magenta corner pixels show it.
void DrawBorderMask(QImage& target, const TacSkinContent& skin, const QRect& rect, int maskIndex,
                    int state, bool corners, const TCacheInfo& ci, QRegion* cutOut = nullptr);

// Copies frame `state` of glyph mask `maskIndex` to `at`, clipped to the
// target: through its mask band, or with magenta transparent; disabled
// glyphs of the master bitmap blend at half strength.
void DrawMaskGlyph(QImage& target, const TacSkinContent& skin, QPoint at, int state, int maskIndex,
                   bool enabled);

}  // namespace lingotab::skins
