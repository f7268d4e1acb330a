#include "skins/images/image_decoder.h"
#include "platform/exception.h"
#include "support/skin_fixtures.h"

#include <gtest/gtest.h>
#include <QBuffer>
#include <QtEndian>

namespace lingotab::skins {
namespace {

using test::bmpFile;
using test::filled;
using test::pngFile;

constexpr QRgb kMagenta = 0xFFFF00FF;

QString decodeError(const QByteArray& bytes) {
    try {
        decodeImage(bytes);
    } catch (const Exception& error) {
        return error.message();
    }
    return QStringLiteral("(no error)");
}

QImage twoByTwo() {
    QImage image = filled(2, 2, 0xFF102030);
    image.setPixel(1, 0, kMagenta);
    image.setPixel(0, 1, 0x80405060);
    return image;
}

TEST(ImageDecoder, BitmapsOf24BitsGetTheMagentaRule) {
    const TacDecodedImage decoded = decodeImage(bmpFile(twoByTwo(), 24));
    EXPECT_FALSE(decoded.has32Bits);
    EXPECT_EQ(decoded.bitmap.format(), QImage::Format_ARGB32);
    const QImage bitmap = to32BitBitmap(decoded);
    EXPECT_EQ(bitmap.pixel(0, 0), 0xFF102030u);  // bottom-up rows come out top first
    EXPECT_EQ(bitmap.pixel(1, 0), 0x00FF00FFu);  // magenta keeps its colour, loses its alpha
    EXPECT_EQ(bitmap.pixel(0, 1), 0xFF405060u);
}

TEST(ImageDecoder, BitmapsOf32BitsKeepTheirAlpha) {
    const QImage bitmap = to32BitBitmap(decodeImage(bmpFile(twoByTwo(), 32)));
    EXPECT_EQ(bitmap.pixel(1, 0), kMagenta);
    EXPECT_EQ(bitmap.pixel(0, 1), 0x80405060u);
}

TEST(ImageDecoder, PalettedBitmapsAndEmptyBitmaps) {
    // 3 x 1 pixels at 4 bits with a two-colour palette, the third index beyond it.
    QByteArray bytes = bmpFile(filled(3, 1, 0), 24).left(54);
    qToLittleEndian<uint32_t>(54 + 8, bytes.data() + 10);
    qToLittleEndian<uint16_t>(4, bytes.data() + 28);
    qToLittleEndian<uint32_t>(2, bytes.data() + 46);
    bytes.append("\x00\x00\xFF\x00\xFF\x00\x00\x00", 8);  // red, blue
    bytes.append("\x01\x20\x00\x00", 4);
    const QImage bitmap = decodeImage(bytes).bitmap;
    ASSERT_EQ(bitmap.size(), QSize(3, 1));
    EXPECT_EQ(bitmap.pixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(bitmap.pixel(1, 0), 0xFF0000FFu);
    EXPECT_EQ(bitmap.pixel(2, 0), 0xFF000000u);

    EXPECT_TRUE(decodeImage(bmpFile(QImage(0, 0, QImage::Format_ARGB32), 24)).bitmap.isNull());
}

TEST(ImageDecoder, RefusesDamagedBitmaps) {
    const QByteArray good = bmpFile(filled(4, 4, 0xFF000000), 24);
    QByteArray huge = good;
    qToLittleEndian<int32_t>(100000, huge.data() + 18);
    qToLittleEndian<int32_t>(100000, huge.data() + 22);
    QByteArray offset = good;
    qToLittleEndian<uint32_t>(0x7FFFFFF0, offset.data() + 10);
    QByteArray depth = good;
    qToLittleEndian<uint16_t>(7, depth.data() + 28);
    QByteArray compressed = good;
    qToLittleEndian<uint32_t>(1, compressed.data() + 30);
    for (const QByteArray& bytes :
         {good.chopped(1), good.left(20), huge, offset, depth, compressed})
        EXPECT_EQ(decodeError(bytes), "Bitmap image is not valid");
    EXPECT_EQ(decodeError("GIF89a"), "Image data is not a bitmap, PNG or JPEG file");
}

TEST(ImageDecoder, PngKeepsAlphaAndGlyphsDropTransparentWhite) {
    QImage image = filled(2, 1, 0x00FFFFFF);
    image.setPixel(1, 0, 0x7F336699);
    TacDecodedImage decoded = decodeImage(pngFile(image));
    EXPECT_TRUE(decoded.has32Bits);
    EXPECT_EQ(decoded.format, TacImageFormat::kPng);
    QImage bitmap = to32BitBitmap(decoded);
    EXPECT_EQ(bitmap.pixel(0, 0), 0x00FFFFFFu);
    EXPECT_EQ(bitmap.pixel(1, 0), 0x7F336699u);
    clearTransparentWhite(bitmap);
    EXPECT_EQ(bitmap.pixel(0, 0), 0u);
    EXPECT_EQ(bitmap.pixel(1, 0), 0x7F336699u);

    EXPECT_NE(decodeError(pngFile(image).chopped(30)), "(no error)");
}

TEST(ImageDecoder, JpegIsOpaque) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(filled(16, 8, 0xFF808080).save(&buffer, "JPG", 100));
    const TacDecodedImage decoded = decodeImage(bytes);
    EXPECT_EQ(decoded.format, TacImageFormat::kJpeg);
    EXPECT_FALSE(decoded.has32Bits);
    ASSERT_EQ(decoded.bitmap.size(), QSize(16, 8));
    EXPECT_EQ(qAlpha(decoded.bitmap.pixel(3, 3)), 255);
    EXPECT_NEAR(qRed(decoded.bitmap.pixel(3, 3)), 128, 2);

    EXPECT_NE(decodeError(bytes.left(40)), "(no error)");
}

}  // namespace
}  // namespace lingotab::skins
