#pragma once

#include "sheets/embedded/saved_file.h"
#include "sheets/embedded/sheet_model.h"

#include <memory>
#include <optional>
#include <vector>

namespace lingotab::sheets {

using SheetPtr = std::shared_ptr<SheetModel>;

// A workbook held in memory: its worksheets in tab order, the active one,
// and the file it was last saved to.
class WorkbookModel {
  public:
    // A new workbook has one worksheet, "Sheet1".
    WorkbookModel();

    int count() const { return static_cast<int>(sheets_.size()); }
    // 0-based tab position.
    const SheetPtr& sheet(int index) const { return sheets_[index]; }
    // Tab position of `sheet`, or -1 when it is not (or no longer) here.
    int indexOf(const SheetModel* sheet) const;
    // A sheet by name, ignoring case, or nullptr.
    SheetPtr find(const QString& name) const;

    const SheetPtr& activeSheet() const { return sheets_[active_]; }
    void activate(int index) { active_ = index; }

    // Inserts `count` new sheets, named "Sheet2", "Sheet3", ... (the next
    // free numbers), at tab position `index`; the last one becomes active.
    SheetPtr insert(int index, int count);
    // Removes a sheet; the last one cannot go. Raises lingotab::Exception.
    void remove(int index);
    // Renames a sheet, checked against the others. Raises lingotab::Exception.
    void rename(int index, const QString& name);

    // The file this workbook was last written to.
    const std::optional<SavedFile>& savedFile() const { return saved_; }
    void setSavedFile(std::optional<SavedFile> file) { saved_ = std::move(file); }

  private:
    std::vector<SheetPtr> sheets_;
    int active_ = 0;
    int lastNumber_ = 0;  // of the last "SheetN" handed out
    std::optional<SavedFile> saved_;
};

}  // namespace lingotab::sheets
