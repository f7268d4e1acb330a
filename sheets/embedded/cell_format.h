#pragma once

#include <QString>
#include <optional>

namespace lingotab::sheets {

// Horizontal alignments by the spreadsheet's constants.
enum class HorizontalAlignment : int {
    General = 1,
    Left = -4131,
    Center = -4108,
    Right = -4152,
    Fill = 5,
    Justify = -4130,
    CenterAcrossSelection = 7,
    Distributed = -4117,
};

// The formatting of a cell as far as it differs from the workbook's default.
// A format change is a CellFormat with one property set; the format of a cell
// is every change that covered it, merged in order.
struct CellFormat {
    std::optional<bool> bold;
    std::optional<QString> fontName;
    std::optional<double> fontSize;
    std::optional<int> fontColor;  // colour number: red in the lowest byte
    std::optional<HorizontalAlignment> alignment;
    std::optional<int> fillColor;
    bool textNumberFormat = false;  // "@": the cell holds text, as typed

    // Takes every property that `change` sets.
    void merge(const CellFormat& change);
    bool isDefault() const { return *this == CellFormat(); }

    bool operator==(const CellFormat&) const = default;
    bool operator<(const CellFormat& other) const;
};

// Font size and font of a cell as AutoFit needs them, with the workbook's
// defaults filled in.
struct CellFont {
    QString name;
    double size;
    bool bold;
};
CellFont effectiveFont(const CellFormat& format);

// Converts a spreadsheet colour number (red in the lowest byte) to 0xRRGGBB.
int toRgb(int colorNumber);

}  // namespace lingotab::sheets
