// JPEG images through libjpeg, decoded to RGB rows and widened to opaque
// 32-bit pixels. libjpeg reports errors by longjmp; the frame that calls
// setjmp holds no C++ objects with destructors.

#include "platform/exception.h"
#include "skins/images/image_formats.h"

#include <jpeglib.h>
#include <csetjmp>
#include <cstdio>
#include <vector>

namespace lingotab::skins {

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

// Everything the C side fills in; the caller owns the buffers.
struct JpegOutput {
    QImage* image = nullptr;
    std::vector<JSAMPLE>* row = nullptr;
    QString* error = nullptr;
};

// Allocates the image once the header is known; false when that fails.
bool prepare(JpegOutput& out, JDIMENSION width, JDIMENSION height) {
    try {
        *out.image = allocateBitmap(width, height);
        out.row->resize(static_cast<size_t>(width) * 3);
        return true;
    } catch (const Exception& error) {
        *out.error = error.message();
        return false;
    }
}

void storeRow(const JpegOutput& out, int y) {
    auto* line = reinterpret_cast<QRgb*>(out.image->scanLine(y));
    const JSAMPLE* rgb = out.row->data();
    for (int x = 0; x < out.image->width(); ++x, rgb += 3) line[x] = qRgb(rgb[0], rgb[1], rgb[2]);
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
    info.out_color_space = JCS_RGB;
    // Sized before decompression starts, so oversized headers allocate nothing.
    if (!prepare(out, info.image_width, info.image_height)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_start_decompress(&info);
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[1] = {out.row->data()};
        const int y = static_cast<int>(info.output_scanline);
        if (jpeg_read_scanlines(&info, rows, 1) != 1) break;
        storeRow(out, y);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

}  // namespace

TacDecodedImage decodeJpeg(QByteArrayView bytes) {
    QImage image;
    std::vector<JSAMPLE> row;
    QString error;
    JpegOutput out{&image, &row, &error};
    ErrorManager errors{};
    if (!decode(reinterpret_cast<const unsigned char*>(bytes.data()),
                static_cast<unsigned long>(bytes.size()), out, errors))
        throw Exception(error);
    return {std::move(image), false, TacImageFormat::kJpeg};
}

}  // namespace lingotab::skins
