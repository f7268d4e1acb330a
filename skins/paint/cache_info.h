#pragma once

// What lies beneath a control: its parent's painted image or plain colour.

#include "skins/options/system_colors.h"

#include <QImage>
#include <QPoint>

namespace lingotab::skins {

// Passed down to every painting call. `Bmp` is the parent's painted image
// and (X, Y) the place of the painted rectangle's origin inside it;
// `FillColor` is the parent's plain colour, magenta when unknown. Magenta
// with `Ready` false: nothing is known about what lies beneath.
struct TCacheInfo {
    const QImage* Bmp = nullptr;
    int X = 0;
    int Y = 0;
    TColor FillColor = clFuchsia;
    bool Ready = false;

    bool hasImage() const { return Ready && Bmp != nullptr && !Bmp->isNull(); }
    bool nothingKnown() const { return !Ready && FillColor == clFuchsia; }
    // The same parent seen from a rectangle placed at `p` inside the control.
    TCacheInfo shifted(QPoint p) const {
        TCacheInfo moved = *this;
        moved.X += p.x();
        moved.Y += p.y();
        return moved;
    }
};

// The parent's pixels addressed by target coordinates: a target pixel at
// (x, y) lies over image pixel (x, y) + offset.
class TacBackdrop {
  public:
    // For a rectangle whose top-left corner is at `rectTopLeft` in the
    // target and which shows the parent from `ci`'s (X, Y) on.
    TacBackdrop(const TCacheInfo& ci, QPoint rectTopLeft);

    bool hasImage() const { return image_ != nullptr; }
    const QImage* image() const { return image_; }
    QPoint offset() const { return offset_; }
    // The parent pixel under target (x, y); false when nothing is known there.
    bool pixelAt(int x, int y, QRgb& pixel) const;

  private:
    const QImage* image_ = nullptr;
    QPoint offset_;
    QRgb fill_ = 0;
    bool hasFill_ = false;
};

}  // namespace lingotab::skins
