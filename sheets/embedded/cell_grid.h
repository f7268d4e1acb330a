#pragma once

#include "platform/automation/variant.h"
#include "sheets/embedded/cell_area.h"

#include <QString>
#include <QStringView>
#include <vector>

namespace lingotab::sheets {

// The longest text a cell holds, in UTF-16 units.
inline constexpr int kMaxCellText = 32767;

// The values of a sheet's cells: texts, as assigned. A text that begins with
// an apostrophe is kept whole; the apostrophe is the cell's text prefix, not
// part of its text (see cellText). The assigned strings are shared, not
// copied.
class CellGrid {
  public:
    // Fills `area` from `values` (one element per cell, same shape), or every
    // cell of it from one text. Checks everything first: on an error nothing
    // is changed. Raises lingotab::Exception.
    void assign(const CellArea& area, const automation::VariantArray2D& values);
    void assign(const CellArea& area, const automation::Variant& value);

    // Rows 1..rowCount() may hold values; row(r) lists its cells from column 1.
    int rowCount() const { return static_cast<int>(rows_.size()); }
    const std::vector<QString>& row(int row) const { return rows_[row - 1]; }

  private:
    void set(int row, int column, const QString& raw);

    std::vector<std::vector<QString>> rows_;
};

// A cell's displayed text and whether it carries the apostrophe prefix.
inline bool hasTextPrefix(const QString& raw) {
    return !raw.isEmpty() && raw.front() == u'\'';
}
inline QStringView cellText(const QString& raw) {
    return hasTextPrefix(raw) ? QStringView(raw).mid(1) : QStringView(raw);
}

// "B5" for row 5, column 2.
QString cellName(int row, int column);

}  // namespace lingotab::sheets
