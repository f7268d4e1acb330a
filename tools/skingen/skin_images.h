#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>
#include <functional>
#include <map>
#include <vector>

#include "tools/skingen/atlas.h"
#include "tools/skingen/look.h"

namespace lingotab::skingen {

// The file bytes of an image in a format Qt writes ("BMP", "PNG", "JPG").
QByteArray encode(const QImage& image, const char* format, int quality = -1);
// A 24-bit bitmap file: the transparent colour needs no alpha channel.
QByteArray bmp(const QImage& image);

enum class Kind { Glyph, Border };

// Slice widths and fill type of a border mask.
struct Slices {
    int l = 0, t = 0, r = 0, b = 0;
    int drawMode = 0;
};

// The pictures of one skin and the option values that name them: rectangles
// of the master bitmap or files of their own. Rectangles are known only once
// the master bitmap is packed, so values of the master bitmap are markers
// until resolve() replaces them.
class Images {
  public:
    explicit Images(const QColor& matte) : matte_(matte) {}

    // Stores a picture of `frames` frames as a mask of the chosen kind and
    // returns the value for the options text. `matte` is what the picture
    // mostly lies on (for edges of masks without a mask band); `inside` marks
    // clear pixels that belong to the element.
    QString mask(Store store, const QString& stem, const QImage& picture, int frames, Kind kind,
                 Slices s = {}, const QColor& matte = {}, const QImage& inside = {});
    // A glow picture: an own PNG file of the glow image type.
    QString glow(const QString& stem, const QImage& picture);
    // A texture: a tile of the master bitmap, or a JPEG file (a texture mask
    // or, above 899,999 pixels, a pattern).
    QString texture(const Texture& t);

    // Packs the master bitmap and puts the final values in place of the
    // markers in `options`.
    QByteArray resolve(QByteArray options);
    QImage master() const { return atlas_.image(); }
    const std::map<QString, QByteArray>& files() const { return files_; }

  private:
    QString inMaster(const QImage& bitmap, std::function<QString(const QRect&)> notation);

    QColor matte_;
    Atlas atlas_{256};
    std::vector<std::function<QString(const QRect&)>> pending_;
    std::map<QString, QByteArray> files_;
};

}  // namespace lingotab::skingen
