#pragma once

#include "platform/automation/variant.h"

#include <com/sun/star/table/CellHoriJustify.hpp>
#include <com/sun/star/uno/Any.hxx>
#include <com/sun/star/uno/Sequence.hxx>

// How the spreadsheet's automation values and units become Calc's.
namespace lingotab::sheets::calc {

using CellRows = css::uno::Sequence<css::uno::Sequence<css::uno::Any>>;

// One cell's value as Calc stores it: numbers as numbers, texts as texts
// (never parsed as formulas or numbers), a leading apostrophe marking text
// and taken off, empty texts and empty values as empty cells. Raises
// lingotab::Exception for values a cell cannot hold (objects, arrays).
css::uno::Any cellValue(const automation::Variant& value);

// The rows of a Value assignment to a range of `rows` x `columns` cells:
// the array element by element, or one value repeated over the range.
// Raises lingotab::Exception when an array does not have the range's shape.
CellRows cellRows(const automation::Variant& value, int rows, int columns);

// A colour number with red in the lowest byte as Calc's 0xRRGGBB.
sal_Int32 unoColor(int excelColor);

// A column width counted in digits of the default font (about 7 pixels each
// plus 5 pixels of padding at 96 dpi) in Calc's hundredths of a millimetre.
// Raises lingotab::Exception outside 0..255.
sal_Int32 unoColumnWidth(double digits);

// One of the horizontal alignment constants (-4108 centre, -4131 left,
// -4152 right, ...) as Calc's justification. Raises lingotab::Exception for
// other numbers.
css::table::CellHoriJustify unoHorizontalAlignment(int excelAlignment);

}  // namespace lingotab::sheets::calc
