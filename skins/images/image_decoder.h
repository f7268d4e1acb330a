#pragma once

#include <QByteArrayView>
#include <QImage>

namespace lingotab::skins {

enum class TacImageFormat { kBitmap, kPng, kJpeg };

// A decoded skin image in QImage::Format_ARGB32 (not premultiplied); null
// for a bitmap of width or height 0. `has32Bits` tells whether the file
// carried its own alpha (32-bit bitmaps, PNG); otherwise the alpha channel
// is 255 everywhere.
struct TacDecodedImage {
    QImage bitmap;
    bool has32Bits = false;
    TacImageFormat format = TacImageFormat::kBitmap;
};

// The largest image accepted, in pixels; bigger dimensions are refused
// before any allocation.
inline constexpr qint64 kMaxImagePixels = 16 * 1024 * 1024;

// Decodes a Windows bitmap, PNG or JPEG file, recognised by its first bytes.
// Raises lingotab::Exception with the decoder's text when the data is not a
// valid image.
TacDecodedImage decodeImage(QByteArrayView bytes);

// The skin engine's 32-bit form of an image: images without alpha of their
// own get alpha 255 except exact magenta pixels, which get alpha 0.
QImage to32BitBitmap(TacDecodedImage image);

// PNG glyphs: pixels that are white with alpha 0 become fully transparent black.
void clearTransparentWhite(QImage& image);

}  // namespace lingotab::skins
