#include "sheets/embedded/cell_format.h"

#include <tuple>

namespace lingotab::sheets {

namespace {

template <typename T>
void take(std::optional<T>& into, const std::optional<T>& from) {
    if (from) into = from;
}

auto tied(const CellFormat& f) {
    return std::tie(f.bold, f.fontName, f.fontSize, f.fontColor, f.alignment, f.fillColor,
                    f.textNumberFormat);
}

}  // namespace

void CellFormat::merge(const CellFormat& change) {
    take(bold, change.bold);
    take(fontName, change.fontName);
    take(fontSize, change.fontSize);
    take(fontColor, change.fontColor);
    take(alignment, change.alignment);
    take(fillColor, change.fillColor);
    textNumberFormat = textNumberFormat || change.textNumberFormat;
}

bool CellFormat::operator<(const CellFormat& other) const {
    return tied(*this) < tied(other);
}

CellFont effectiveFont(const CellFormat& format) {
    // The workbook's default font is the writer's: Calibri, 11 points.
    return {format.fontName.value_or(QStringLiteral("Calibri")), format.fontSize.value_or(11.0),
            format.bold.value_or(false)};
}

int toRgb(int colorNumber) {
    const int red = colorNumber & 0xFF, green = (colorNumber >> 8) & 0xFF,
              blue = (colorNumber >> 16) & 0xFF;
    return (red << 16) | (green << 8) | blue;
}

}  // namespace lingotab::sheets
