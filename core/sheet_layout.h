#pragma once

#include "core/translation_units.h"
#include "platform/automation/variant.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <functional>
#include <memory>

namespace lingotab::core {

using StringLookup = std::function<QString(int id)>;

// The program's home page, named in the footer of every exported sheet.
inline constexpr char16_t kHomePage[] = u"https://lingotab.org/products/lingotab/lingotab.htm";

// Number of grid rows, header row included: one row per unit, or
// `rowsPerUnit` rows per unit in the vertical layout. Raises
// lingotab::Exception when the rows (and the footer's) cannot be counted.
int gridRows(int unitCount, bool vertical, int rowsPerUnit);

// The grid of a sheet, gridRows() x 3, for cell A1 onwards: the header row
// from the string table, then the units. A data cell holds an apostrophe
// followed by the field's text (the spreadsheet's text prefix, so that a text
// is never taken as a number, date or formula); other cells stay empty.
std::shared_ptr<const automation::VariantArray2D> buildGrid(const TTranslateArr& translations,
                                                            bool vertical, int rowsPerUnit,
                                                            const StringLookup& strings);

// The line below the grid: which sheet, which program, when.
QString footerText(const QString& sheetName, const QString& caption, const QDateTime& now,
                   const QLocale& locale, const StringLookup& strings);

// The short date, then, unless the time is exactly midnight, a blank and the
// long time (hours, minutes and seconds, without a time zone).
QString dateTimeText(const QDateTime& now, const QLocale& locale);

}  // namespace lingotab::core
