#pragma once

#include <QString>

namespace lingotab::cli {

// The workbook beside `file` that does not exist yet: "FILE.xlsx", else
// "FILE (2).xlsx", "FILE (3).xlsx", ...
QString freeWorkbookPath(const QString& file);

}  // namespace lingotab::cli
