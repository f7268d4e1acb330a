#include "hints/templates/hint_image.h"

#include "hints/templates/hint_template.h"

namespace lingotab::hints {

TacHintImage::TacHintImage(TacHintTemplate* owner) : FOwner(owner) {}

void TacHintImage::setImage(const QImage& image) {
    FImage = image.isNull() ? QImage() : image.convertToFormat(QImage::Format_ARGB32);
    const int horizontal = (ImageWidth() - 1) / 2;
    const int vertical = (ImageHeight() - 1) / 2;
    FBordersWidths.setUnchecked(vertical, horizontal, vertical, horizontal);
    FClientMargins.setUnchecked(vertical, horizontal, vertical, horizontal);
    for (int y = 0; y < FImage.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(FImage.scanLine(y));
        for (int x = 0; x < FImage.width(); ++x) {
            if (qAlpha(row[x]) == 0) row[x] = 0;
        }
    }
    Changed();
}

void TacHintImage::Assign(const TacHintImage& source) {
    setImage(source.FImage);
    FClientMargins.Assign(source.FClientMargins);
    FBorderDrawModes.Assign(source.FBorderDrawModes);
    FBordersWidths.Assign(source.FBordersWidths);
}

void TacHintImage::Changed() {
    if (FOwner) FOwner->Changed();
}

}  // namespace lingotab::hints
