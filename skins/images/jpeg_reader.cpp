// JPEG images through libjpeg, decoded straight into opaque 32-bit pixels. libjpeg reports errors
// by longjmp; the frame that calls setjmp holds no C++ objects with destructors.

#include "platform/exception.h"
#include "skins/images/image_formats.h"

#include <jpeglib.h>
#include <csetjmp>
#include <cstdio>

namespace lingotab::skins {

static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN,
              "JPEG rows are decoded in the byte order of little-endian ARGB32");

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void onError(j_common_ptr info) {
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    info->err->format_message(info, errors->message);
    std::longjmp(errors->jump, 1);
}

void onMessage(j_common_ptr, int) {}  // warnings are not shown

// Everything the C side fills in; the caller owns the image.
struct JpegOutput {
    QImage* image = nullptr;
    QString* error = nullptr;
};

// Allocates the image once the header is known; false when that fails.
bool prepare(JpegOutput& out, JDIMENSION width, JDIMENSION height) {
    try {
        *out.image = allocateBitmap(width, height);
        return true;
    } catch (const Exception& error) {
        *out.error = error.message();
        return false;
    }
}

bool decode(const unsigned char* data, unsigned long size, JpegOutput& out, ErrorManager& errors) {
    jpeg_decompress_struct info;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onError;
    errors.base.emit_message = onMessage;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        *out.error = QString::fromLatin1(errors.message);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    // Blue, green, red, 255: the byte order of QImage::Format_ARGB32 on
    // little-endian machines, so rows are decoded straight into the image.
    info.out_color_space = JCS_EXT_BGRA;
    // Sized before decompression starts, so oversized headers allocate nothing.
    if (!prepare(out, info.image_width, info.image_height)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_start_decompress(&info);
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[1] = {out.image->scanLine(static_cast<int>(info.output_scanline))};
        if (jpeg_read_scanlines(&info, rows, 1) != 1) break;
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

}  // namespace

TacDecodedImage decodeJpeg(QByteArrayView bytes) {
    QImage image;
    QString error;
    JpegOutput out{&image, &error};
    ErrorManager errors{};
    if (!decode(reinterpret_cast<const unsigned char*>(bytes.data()),
                static_cast<unsigned long>(bytes.size()), out, errors))
        throw Exception(error);
    return {std::move(image), false, TacImageFormat::kJpeg};
}

}  // namespace lingotab::skins
