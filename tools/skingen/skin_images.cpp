#include "tools/skingen/skin_images.h"

#include <QBuffer>
#include <stdexcept>

#include "tools/skingen/textures.h"

namespace lingotab::skingen {
namespace {

QByteArray marker(int id) {
    return "<<" + QByteArray::number(id) + ">>";
}

}  // namespace

QByteArray encode(const QImage& image, const char* format, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format, quality))
        throw std::runtime_error(std::string("cannot encode ") + format);
    return bytes;
}

QByteArray bmp(const QImage& image) {
    return encode(image.convertToFormat(QImage::Format_RGB888), "BMP");
}

QString Images::mask(Store store, const QString& stem, const QImage& picture, int frames, Kind kind,
                     Slices s, const QColor& matte, const QImage& inside) {
    const bool border = kind == Kind::Border;
    switch (store) {
        case Store::Master:
            return inMaster(
                toMagentaBitmap(picture, matte.isValid() ? matte : matte_), [=](const QRect& r) {
                    return border ? borderNotation(r, s.l, s.t, s.r, s.b, frames, 0, s.drawMode, 0)
                                  : glyphNotation(r, frames, 0);
                });
        case Store::MasterBanded:
            return inMaster(toBandedBitmap(picture, inside), [=](const QRect& r) {
                return border ? borderNotation(r, s.l, s.t, s.r, s.b, frames, 1, s.drawMode & ~1, 0)
                              : glyphNotation(r, frames, 1);
            });
        case Store::FileBmp: {
            const QString name = stem + QStringLiteral(".BMP");
            files_[name] = bmp(toBandedBitmap(picture, inside));
            return border ? fileNotation(name, frames, 1, 0, {s.l, s.t, s.r, s.b, s.drawMode & ~1})
                          : fileNotation(name, frames, 1, 2);
        }
        case Store::PlainBmp: {
            if (frames != 3 || !border)
                throw std::logic_error("plain bitmaps are three-frame borders");
            const QString name = stem + QStringLiteral(".BMP");
            files_[name] = bmp(toBandedBitmap(picture, inside));
            return name;
        }
        case Store::Png: {
            if (border) throw std::logic_error("PNG pictures serve as glyphs");
            const QString name = stem + QStringLiteral(".PNG");
            files_[name] = encode(picture.convertToFormat(QImage::Format_ARGB32), "PNG");
            return fileNotation(name, frames, 0, 4);
        }
    }
    return {};
}

QString Images::glow(const QString& stem, const QImage& picture) {
    const QString name = stem + QStringLiteral(".PNG");
    files_[name] = encode(picture.convertToFormat(QImage::Format_ARGB32), "PNG");
    return fileNotation(name, 1, 0, 3);
}

QString Images::texture(const Texture& t) {
    const QImage tile = drawPattern(t);
    switch (t.store) {
        case TextureStore::Master:
            if (t.overlay)
                return inMaster(toBandedBitmap(tile),
                                [](const QRect& r) { return textureNotation(r, 10, 1); });
            return inMaster(toMagentaBitmap(tile, t.base), [mode = t.drawMode](const QRect& r) {
                return textureNotation(r, mode, 0);
            });
        case TextureStore::Jpeg:
        case TextureStore::BigJpeg:
            files_[t.file] = encode(tile.convertToFormat(QImage::Format_RGB32), "JPG",
                                    t.store == TextureStore::BigJpeg ? 55 : 80);
            return t.file;
    }
    return {};
}

QByteArray Images::resolve(QByteArray options) {
    atlas_.pack();
    for (size_t i = 0; i < pending_.size(); ++i)
        options.replace(marker(int(i)), pending_[i](atlas_.rect(int(i))).toLatin1());
    return options;
}

QString Images::inMaster(const QImage& bitmap, std::function<QString(const QRect&)> notation) {
    const int id = atlas_.add(bitmap);
    pending_.push_back(std::move(notation));
    return QString::fromLatin1(marker(id));
}

}  // namespace lingotab::skingen
