#pragma once

#include <QString>
#include <QStringList>

namespace lingotab::sheets {

// The longest sheet name a workbook takes, in UTF-16 units.
inline constexpr int kMaxSheetNameLength = 31;

// Checks a sheet name the way the spreadsheet checks a rename: refused when
// empty, longer than 31 UTF-16 units, containing one of : \ / ? * [ ],
// beginning or ending with an apostrophe, the reserved name "History" (any
// case), or equal, ignoring case, to one of `others` (the workbook's other
// sheets; a sheet keeping its own name or changing only its case is not in
// `others`). Raises lingotab::Exception with the spreadsheet's own text.
void validateSheetName(const QString& name, const QStringList& others);

}  // namespace lingotab::sheets
