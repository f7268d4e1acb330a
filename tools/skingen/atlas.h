#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

namespace lingotab::skingen {

// The engine's transparent colour in bitmaps: pure magenta.
inline const QColor kMagenta(255, 0, 255);

// Turns a drawn picture with alpha into an opaque bitmap for masks without a
// mask band: clear pixels become magenta, the others are laid over `matte`
// (the colour the picture will mostly sit on) so their edges blend in.
QImage toMagentaBitmap(const QImage& picture, const QColor& matte);

// Turns a drawn picture with alpha into a bitmap twice as tall: its colours
// above and its mask band below, grey levels 255 - alpha, so that white keeps
// what lies beneath and black the picture. Clear pixels are magenta (the
// parent shows there, as outside rounded corners) unless `inside` covers
// them: clear pixels inside a shape keep the section's own background.
QImage toBandedBitmap(const QImage& picture, const QImage& inside = {});

// The master bitmap of a skin: pictures placed on shelves, tallest first, the
// unused area magenta. Coordinates stay below 10000 as the mask notations
// require. Pictures are added first; pack() then decides where they go.
class Atlas {
  public:
    explicit Atlas(int width) : width_(width) {}

    // Adds an opaque bitmap; returns its number for rect().
    int add(const QImage& bitmap);
    void pack();
    QRect rect(int id) const { return rects_.at(id); }
    QImage image() const;

  private:
    int width_;
    std::vector<QImage> bitmaps_;
    std::vector<QRect> rects_;
    int height_ = 1;
};

// The fixed-position mask notations of the options text.
QString glyphNotation(const QRect& r, int frames, int maskType);
QString borderNotation(const QRect& r, int wl, int wt, int wr, int wb, int frames, int maskType,
                       int drawMode, int borderWidth);
QString textureNotation(const QRect& r, int drawMode, int maskType);
// An image file mask: "!FILE!frames!maskType!imageType[!wl!wt!wr!wb[!drawMode]]".
QString fileNotation(const QString& file, int frames, int maskType, int imageType,
                     const QList<int>& widthsAndMode = {});

}  // namespace lingotab::skingen
