#pragma once

#include "sheets/embedded/cell_area.h"
#include "sheets/embedded/cell_format.h"

#include <map>
#include <utility>
#include <vector>

namespace lingotab::sheets {

// The format changes made on a sheet, in order, each on an area (cells,
// whole rows, whole columns or all cells). A cell's format is every change
// that covers it merged in order, which is how the spreadsheet treats a later
// change on a range: it changes the cells already in it, and where a
// formatted row crosses a formatted column the later of the two wins.
//
// Most rows and columns are covered by no change of their own; they share
// one format. Row key 0 stands for any such row and column key 0 for any such
// column, so a format is resolved once per kind of cell, not once per cell.
class FormatLayers {
  public:
    struct Change {
        CellArea area;
        CellFormat format;
    };

    void add(const CellArea& area, const CellFormat& change);
    const std::vector<Change>& changes() const { return changes_; }

    // `row` itself when a change limited to some rows covers it, else 0.
    int rowKey(int row) const;
    // `column` itself when a change limited to some columns covers it, else 0.
    int columnKey(int column) const;
    // The format of the cells of that row and column key.
    const CellFormat& resolve(int rowKey, int columnKey) const;
    const CellFormat& formatAt(int row, int column) const {
        return resolve(rowKey(row), columnKey(column));
    }

    // The format a whole row carries (changes on whole rows and all cells),
    // or nullopt when no change on whole rows covers it.
    std::optional<CellFormat> rowFormat(int row) const;

  private:
    std::vector<Change> changes_;
    mutable std::map<std::pair<int, int>, CellFormat> resolved_;
};

}  // namespace lingotab::sheets
