#pragma once

// Pixel arithmetic of skin painting on 32-bit bitmaps (QImage::Format_ARGB32).
// Every routine works on whole scan lines, clips to the target and writes
// opaque pixels; nothing is allocated per pixel.

#include "skins/options/system_colors.h"

#include <QImage>
#include <QRect>

namespace lingotab::skins {

// Engine colour (red in the low byte) to an opaque pixel; system colours are
// resolved first.
inline QRgb colorToPixel(TColor color) {
    const TColor c = ColorToRGB(color);
    return 0xFF000000u | (static_cast<QRgb>(c & 0xFF) << 16) | (c & 0xFF00) |
           (static_cast<QRgb>(c >> 16) & 0xFF);
}

// A pixel's colour in the engine's encoding (alpha dropped).
inline TColor pixelToColor(QRgb pixel) {
    return static_cast<TColor>(qRed(pixel) | (qGreen(pixel) << 8) | (qBlue(pixel) << 16));
}

// Exact magenta, whatever the alpha: the transparent colour of skin images.
inline bool isMagenta(QRgb pixel) {
    return (pixel & 0xFFFFFFu) == 0xFF00FFu;
}

inline constexpr QRgb kMagentaPixel = 0xFFFF00FFu;

// Per channel round(x * A + (1 - x) * B); the result keeps A's high byte.
TColor MixColors(TColor A, TColor B, double x);

// The part of `rect` inside `image`.
inline QRect clipTo(const QImage& image, const QRect& rect) {
    return rect & image.rect();
}

// Fills `rect` (clipped) with one pixel value.
void fillPixels(QImage& target, const QRect& rect, QRgb pixel);

// Copies `source` (its whole area) to `at`, clipped to both images.
void copyPixels(QImage& target, QPoint at, const QImage& source, const QRect& sourceRect);

// Blends `source` over `target` at `at`: every channel becomes
// (target * a + source * (255 - a) + 127) / 256, so `a` (0..255) is the share
// kept of the target.
void blendPixels(QImage& target, QPoint at, const QImage& source, const QRect& sourceRect, int a);

// Every channel p of `rect` becomes round(p * keep / 100 + c * (1 - keep / 100)).
void blendColorPercent(QImage& target, const QRect& rect, TColor color, int keep);

// Every pixel becomes (own * own% + other * (100 - own%)) / 100, rounded,
// where other comes from `backdrop` at the same place shifted by `offset`;
// backdrop pixels that are magenta leave the own pixel unchanged.
void fadeIntoImage(QImage& target, const QRect& rect, const QImage& backdrop, QPoint offset,
                   int ownPercent);

}  // namespace lingotab::skins
