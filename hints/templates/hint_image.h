#pragma once

#include <QImage>

#include "hints/templates/borders_sizes.h"

namespace lingotab::hints {

class TacHintTemplate;

// One picture of a template: a 32-bit image with alpha, the sizes of its
// nine-part cut, the margins that keep the text clear of its border and
// shadow, and how its strips fill the hint.
class TacHintImage {
  public:
    explicit TacHintImage(TacHintTemplate* owner = nullptr);
    TacHintImage(const TacHintImage&) = delete;
    TacHintImage& operator=(const TacHintImage&) = delete;

    const QImage& Image() const { return FImage; }
    // Copies the picture in (as 32-bit ARGB), centres the cut and margins on
    // it, clears every fully transparent pixel to zero, and tells the owner.
    void setImage(const QImage& image);
    int ImageWidth() const { return FImage.isNull() ? 0 : FImage.width(); }
    int ImageHeight() const { return FImage.isNull() ? 0 : FImage.height(); }

    TacBordersSizes& BordersWidths() { return FBordersWidths; }
    const TacBordersSizes& BordersWidths() const { return FBordersWidths; }
    TacBordersSizes& ClientMargins() { return FClientMargins; }
    const TacBordersSizes& ClientMargins() const { return FClientMargins; }
    TacBorderDrawModes& BorderDrawModes() { return FBorderDrawModes; }
    const TacBorderDrawModes& BorderDrawModes() const { return FBorderDrawModes; }

    // Copies image, margins, draw modes and border sizes, in that order.
    void Assign(const TacHintImage& source);

    // Passes a change on to the manager that owns the template, if any.
    void Changed();

  private:
    TacHintTemplate* FOwner;
    TacBordersSizes FBordersWidths{this};
    TacBordersSizes FClientMargins{this};
    TacBorderDrawModes FBorderDrawModes{this};
    QImage FImage;
};

}  // namespace lingotab::hints
