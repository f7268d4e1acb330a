#include "sheets/libreoffice/calc_values.h"

#include "platform/exception.h"
#include "sheets/libreoffice/uno_text.h"

#include <cmath>

namespace lingotab::sheets::calc {

using automation::Variant;
using css::uno::Any;

// An empty cell is sent as an empty text, which Calc stores as no cell: a
// void value makes Calc 7.4's block write crash in some layouts.
Any cellValue(const Variant& value) {
    switch (value.type()) {
        case Variant::Type::Empty:
        case Variant::Type::Null:
            return Any(OUString());
        case Variant::Type::Bool:
        case Variant::Type::Int:
        case Variant::Type::Double:
            return Any(value.toDouble());
        case Variant::Type::String: {
            const QString text = value.toString();
            return Any(toUno(text.startsWith(QLatin1Char('\'')) ? text.mid(1) : text));
        }
        default:
            throw Exception(QStringLiteral("Type mismatch"));
    }
}

CellRows cellRows(const Variant& value, int rows, int columns) {
    const automation::VariantArray2D* array = value.array();
    if (array && (array->rows() != rows || array->columns() != columns))
        throw Exception(
            QStringLiteral("An array of %1 x %2 values cannot fill a range of %3 x %4 cells")
                .arg(array->rows())
                .arg(array->columns())
                .arg(rows)
                .arg(columns));
    const Any single = array ? Any() : cellValue(value);
    CellRows result(rows);
    css::uno::Sequence<Any>* row = result.getArray();
    for (int r = 0; r < rows; ++r) {
        row[r].realloc(columns);
        Any* cell = row[r].getArray();
        for (int c = 0; c < columns; ++c) cell[c] = array ? cellValue(array->at(r, c)) : single;
    }
    return result;
}

sal_Int32 unoColor(int excelColor) {
    const auto bgr = static_cast<std::uint32_t>(excelColor) & 0xFFFFFFu;
    return static_cast<sal_Int32>(((bgr & 0xFFu) << 16) | (bgr & 0xFF00u) | (bgr >> 16));
}

sal_Int32 unoColumnWidth(double digits) {
    if (!(digits >= 0 && digits <= 255))
        throw Exception(
            QStringLiteral("Unable to set the ColumnWidth property of the Range class"));
    // Below one digit the padding shrinks with the width, as the spreadsheet draws it.
    const double pixels = digits < 1 ? std::round(digits * 12) : std::round(digits * 7) + 5;
    constexpr double kHundredthsOfMmPerPixel = 2540.0 / 96;
    return static_cast<sal_Int32>(std::lround(pixels * kHundredthsOfMmPerPixel));
}

css::table::CellHoriJustify unoHorizontalAlignment(int excelAlignment) {
    using namespace css::table;
    switch (excelAlignment) {
        case 1:
            return CellHoriJustify_STANDARD;  // general
        case -4131:
            return CellHoriJustify_LEFT;  // left
        case -4108:
            return CellHoriJustify_CENTER;  // centre
        case -4152:
            return CellHoriJustify_RIGHT;  // right
        case -4130:
            return CellHoriJustify_BLOCK;  // justify
        case 5:
            return CellHoriJustify_REPEAT;  // fill
        default:
            throw Exception(QStringLiteral(
                "Unable to set the HorizontalAlignment property of the Range class"));
    }
}

}  // namespace lingotab::sheets::calc
