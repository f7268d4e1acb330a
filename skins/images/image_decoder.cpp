#include "skins/images/image_decoder.h"

#include "platform/exception.h"
#include "skins/images/image_formats.h"

namespace lingotab::skins {

QImage allocateBitmap(qint64 width, qint64 height) {
    if (width <= 0 || height <= 0 || width * height > kMaxImagePixels)
        throw Exception(
            QStringLiteral("Image size %1 x %2 is not supported").arg(width).arg(height));
    QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_ARGB32);
    if (image.isNull()) throw Exception(QStringLiteral("Out of memory"));
    return image;
}

TacDecodedImage decodeImage(QByteArrayView bytes) {
    if (bytes.startsWith("BM")) return decodeBmp(bytes);
    if (bytes.startsWith("\x89PNG")) return decodePng(bytes);
    if (bytes.startsWith("\xFF\xD8")) return decodeJpeg(bytes);
    throw Exception(QStringLiteral("Image data is not a bitmap, PNG or JPEG file"));
}

QImage to32BitBitmap(TacDecodedImage image) {
    if (image.has32Bits) return std::move(image.bitmap);
    QImage& bitmap = image.bitmap;
    for (int y = 0; y < bitmap.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(bitmap.scanLine(y));
        for (int x = 0; x < bitmap.width(); ++x) {
            if ((line[x] & 0xFFFFFFu) == 0xFF00FFu) line[x] = 0x00FF00FFu;
        }
    }
    return std::move(bitmap);
}

void clearTransparentWhite(QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] == 0x00FFFFFFu) line[x] = 0;
        }
    }
}

}  // namespace lingotab::skins
