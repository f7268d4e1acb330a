#include "skin_fixtures.h"

#include "skins/options/options_loader.h"
#include "skins/package/image_lookup.h"

#include <zlib.h>
#include <QBuffer>
#include <QtEndian>

namespace lingotab::skins::test {

namespace {

void appendInt32(QByteArray& bytes, int32_t value) {
    char raw[4];
    qToLittleEndian(value, raw);
    bytes.append(raw, 4);
}

void appendInt16(QByteArray& bytes, int16_t value) {
    char raw[2];
    qToLittleEndian(value, raw);
    bytes.append(raw, 2);
}

}  // namespace

QByteArray zlibStream(QByteArrayView data) {
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    QByteArray out(static_cast<qsizetype>(size), Qt::Uninitialized);
    compress2(reinterpret_cast<Bytef*>(out.data()), &size,
              reinterpret_cast<const Bytef*>(data.data()), static_cast<uLong>(data.size()),
              Z_DEFAULT_COMPRESSION);
    out.resize(static_cast<qsizetype>(size));
    return out;
}

QByteArray packageBytes(const std::vector<FixtureEntry>& entries, std::optional<int32_t> count) {
    QByteArray bytes("ASzf");
    appendInt32(bytes, count.value_or(static_cast<int32_t>(entries.size())));
    for (const FixtureEntry& entry : entries) {
        appendInt32(bytes, static_cast<int32_t>(entry.name.size()));
        bytes.append(entry.name);
        appendInt32(bytes, entry.declaredSize.value_or(static_cast<int32_t>(entry.data.size())));
        bytes.append(entry.stream.value_or(zlibStream(entry.data)));
    }
    return bytes;
}

QByteArray bmpFile(const QImage& source, int bitCount) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int bytesPerPixel = bitCount / 8;
    const int stride = (image.width() * bitCount + 31) / 32 * 4;
    QByteArray bytes("BM");
    appendInt32(bytes, 54 + stride * image.height());
    appendInt32(bytes, 0);
    appendInt32(bytes, 54);
    appendInt32(bytes, 40);
    appendInt32(bytes, image.width());
    appendInt32(bytes, image.height());
    appendInt16(bytes, 1);
    appendInt16(bytes, static_cast<int16_t>(bitCount));
    for (int i = 0; i < 6; ++i) appendInt32(bytes, 0);
    for (int y = image.height() - 1; y >= 0; --y) {
        QByteArray row(stride, '\0');
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            char* pixel = row.data() + x * bytesPerPixel;
            pixel[0] = static_cast<char>(qBlue(line[x]));
            pixel[1] = static_cast<char>(qGreen(line[x]));
            pixel[2] = static_cast<char>(qRed(line[x]));
            if (bytesPerPixel == 4) pixel[3] = static_cast<char>(qAlpha(line[x]));
        }
        bytes.append(row);
    }
    return bytes;
}

QByteArray pngFile(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QImage filled(int width, int height, QRgb color) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}

TacSkinContent loadPackedOptions(const QByteArray& options, const std::vector<TacImageItem>& images,
                                 const QString& skinName) {
    TacSkinConvertor package;
    package.Files = images;
    package.ImageCount = static_cast<int>(images.size());
    package.Options = options;
    const TacIniModel model = TacIniModel::fromText(package.Options);
    const TacImageLookup lookup(package);
    TacSkinContent content;
    loadSkinContent(content, {&model, &lookup, nullptr, skinName});
    return content;
}

}  // namespace lingotab::skins::test
