// Windows bitmap files: uncompressed 1, 4, 8, 16, 24 and 32 bits per pixel,
// with or without bit-field masks, bottom-up or top-down. Every size and
// offset in the headers is checked against the data before use.

#include "platform/exception.h"
#include "skins/images/image_formats.h"

#include <array>
#include <bit>

namespace lingotab::skins {

namespace {

constexpr qint64 kFileHeaderSize = 14;
constexpr uint32_t kRgb = 0;
constexpr uint32_t kBitFields = 3;
constexpr uint32_t kAlphaBitFields = 6;

[[noreturn]] void invalidBitmap() {
    throw Exception(QStringLiteral("Bitmap image is not valid"));
}

class ByteReader {
  public:
    explicit ByteReader(QByteArrayView bytes) : bytes_(bytes) {}

    qint64 size() const { return bytes_.size(); }

    uint32_t u32(qint64 offset) const {
        check(offset, 4);
        return byte(offset) | byte(offset + 1) << 8 | byte(offset + 2) << 16 |
               byte(offset + 3) << 24;
    }
    uint16_t u16(qint64 offset) const {
        check(offset, 2);
        return static_cast<uint16_t>(byte(offset) | byte(offset + 1) << 8);
    }
    uint32_t byte(qint64 offset) const { return static_cast<uint8_t>(bytes_[offset]); }
    void check(qint64 offset, qint64 count) const {
        if (offset < 0 || count < 0 || offset > size() - count) invalidBitmap();
    }

  private:
    QByteArrayView bytes_;
};

// Scales a masked channel value to 0..255.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    uint32_t maximum = 0;

    explicit Channel(uint32_t m) : mask(m) {
        if (mask == 0) return;
        shift = std::countr_zero(mask);
        maximum = mask >> shift;
    }
    uint32_t value(uint32_t pixel, uint32_t absent) const {
        if (maximum == 0) return absent;
        return ((pixel & mask) >> shift) * 255u / maximum;
    }
};

}  // namespace

TacDecodedImage decodeBmp(QByteArrayView bytes) {
    const ByteReader in(bytes);
    const uint32_t dataOffset = in.u32(10);
    const qint64 infoSize = in.u32(kFileHeaderSize);
    qint64 width = 0;
    qint64 height = 0;
    uint32_t bitCount = 0;
    uint32_t compression = kRgb;
    uint32_t colorsUsed = 0;
    int paletteEntrySize = 4;
    if (infoSize == 12) {  // the old core header
        width = in.u16(18);
        height = static_cast<int16_t>(in.u16(20));
        bitCount = in.u16(24);
        paletteEntrySize = 3;
    } else if (infoSize >= 40) {
        width = static_cast<int32_t>(in.u32(18));
        height = static_cast<int32_t>(in.u32(22));
        bitCount = in.u16(28);
        compression = in.u32(30);
        colorsUsed = in.u32(46);
    } else {
        invalidBitmap();
    }
    const bool topDown = height < 0;
    height = std::abs(height);
    if (width == 0 || height == 0) return {};  // an empty picture: skins treat it as absent
    if (width < 0 || width * height > kMaxImagePixels) invalidBitmap();

    // Masks of 16- and 32-bit pixels: stored after the header, or the defaults.
    uint32_t masks[4] = {0, 0, 0, 0};
    if (compression == kBitFields || compression == kAlphaBitFields) {
        if (bitCount != 16 && bitCount != 32) invalidBitmap();
        const int count = compression == kAlphaBitFields || infoSize >= 56 ? 4 : 3;
        const qint64 at = infoSize >= 52 ? kFileHeaderSize + 40 : kFileHeaderSize + infoSize;
        for (int i = 0; i < count; ++i) masks[i] = in.u32(at + 4 * i);
    } else if (compression != kRgb) {
        invalidBitmap();  // compressed bitmaps are not used by skins
    } else if (bitCount == 16) {
        masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
    } else if (bitCount == 32) {
        masks[0] = 0xFF0000, masks[1] = 0xFF00, masks[2] = 0xFF, masks[3] = 0xFF000000u;
    }

    std::array<QRgb, 256> palette;
    palette.fill(qRgb(0, 0, 0));
    if (bitCount <= 8) {
        if (bitCount != 1 && bitCount != 4 && bitCount != 8) invalidBitmap();
        const uint32_t maxColors = 1u << bitCount;
        const uint32_t colors = colorsUsed == 0 || colorsUsed > maxColors ? maxColors : colorsUsed;
        const qint64 at = kFileHeaderSize + infoSize;
        for (uint32_t i = 0; i < colors; ++i) {
            const qint64 entry = at + static_cast<qint64>(i) * paletteEntrySize;
            in.check(entry, 3);
            palette[i] = qRgb(in.byte(entry + 2), in.byte(entry + 1), in.byte(entry));
        }
    } else if (bitCount != 16 && bitCount != 24 && bitCount != 32) {
        invalidBitmap();
    }

    const qint64 stride = (width * bitCount + 31) / 32 * 4;
    in.check(dataOffset, stride * height);
    QImage image = allocateBitmap(width, height);
    const Channel red(masks[0]), green(masks[1]), blue(masks[2]), alpha(masks[3]);
    for (qint64 row = 0; row < height; ++row) {
        const qint64 line = dataOffset + row * stride;
        auto* out = reinterpret_cast<QRgb*>(
            image.scanLine(static_cast<int>(topDown ? row : height - 1 - row)));
        for (qint64 x = 0; x < width; ++x) {
            switch (bitCount) {
                case 1:
                case 4:
                case 8: {
                    const qint64 bit = x * bitCount;
                    const uint32_t packed = in.byte(line + bit / 8);
                    const uint32_t index =
                        (packed >> (8 - bitCount - bit % 8)) & ((1u << bitCount) - 1);
                    out[x] = palette[index];
                    break;
                }
                case 24: {
                    const qint64 at = line + x * 3;
                    out[x] = qRgb(in.byte(at + 2), in.byte(at + 1), in.byte(at));
                    break;
                }
                default: {
                    const uint32_t pixel =
                        bitCount == 16 ? in.u16(line + x * 2) : in.u32(line + x * 4);
                    out[x] = qRgba(red.value(pixel, 0), green.value(pixel, 0), blue.value(pixel, 0),
                                   alpha.value(pixel, 255));
                    break;
                }
            }
        }
    }
    return {std::move(image), bitCount == 32, TacImageFormat::kBitmap};
}

}  // namespace lingotab::skins
