// PNG images through libpng's simplified reader, straight into 8-bit BGRA
// (the memory layout of QImage::Format_ARGB32), not premultiplied.

#include "platform/exception.h"
#include "skins/images/image_formats.h"

#include <png.h>

namespace lingotab::skins {

TacDecodedImage decodePng(QByteArrayView bytes) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    const auto fail = [&]() -> TacDecodedImage {
        const QString message = QString::fromLatin1(png.message);
        png_image_free(&png);
        throw Exception(message);
    };
    if (!png_image_begin_read_from_memory(&png, bytes.data(), static_cast<size_t>(bytes.size())))
        return fail();
    png.format = PNG_FORMAT_BGRA;
    QImage image;
    try {
        image = allocateBitmap(png.width, png.height);
    } catch (...) {
        png_image_free(&png);
        throw;
    }
    if (!png_image_finish_read(&png, nullptr, image.bits(),
                               static_cast<png_int_32>(image.bytesPerLine()), nullptr))
        return fail();
    return {std::move(image), true, TacImageFormat::kPng};
}

}  // namespace lingotab::skins
