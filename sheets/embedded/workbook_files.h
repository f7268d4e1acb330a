#pragma once

#include "sheets/embedded/saved_file.h"
#include "sheets/embedded/workbook_model.h"

#include <QString>

namespace lingotab::sheets {

// Where workbooks go without a path of their own: $LINGOTAB_WORKBOOK_DIR, or
// "Lingotab" in the user's documents folder.
QString workbookDirectory();

// Where a save writes.
struct SaveTarget {
    // Empty: the first free Book1.xlsx, Book2.xlsx, ... in workbookDirectory().
    QString path;
    // Whether an existing file at `path` may be replaced.
    bool replace = false;
};

// Writes `workbook` to a temporary file beside the target and renames it
// into place, so a failed save leaves every existing file as it was; an
// existing file is replaced only when the target allows it. Returns the
// file written. Raises lingotab::Exception.
SavedFile saveWorkbook(const WorkbookModel& workbook, const SaveTarget& target);

}  // namespace lingotab::sheets
