#pragma once

#include "sheets/embedded/workbook_model.h"

#include <QString>

namespace lingotab::sheets {

// Writes `workbook` as an .xlsx file at `path` (created or replaced). Each
// written cell gets its whole effective format, since the file format has no
// merging of cell, row and column formats; identical formats are written
// once. Rows are streamed in order, so memory stays flat however large the
// sheets are. Raises lingotab::Exception; a partial file is removed.
void writeXlsx(const WorkbookModel& workbook, const QString& path);

}  // namespace lingotab::sheets
