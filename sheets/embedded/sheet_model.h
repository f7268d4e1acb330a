#pragma once

#include "sheets/embedded/cell_grid.h"
#include "sheets/embedded/column_widths.h"
#include "sheets/embedded/format_layers.h"

#include <QString>

namespace lingotab::sheets {

// One worksheet held in memory: its name, values, formats and widths. It is
// written to a file only when its workbook is saved.
class SheetModel {
  public:
    explicit SheetModel(QString name) : name_(std::move(name)) {}

    const QString& name() const { return name_; }
    // Unchecked; WorkbookModel::rename checks the name against its sheets.
    void setName(QString name) { name_ = std::move(name); }

    // A deleted sheet stays reachable through references that callers hold;
    // every use of it then fails.
    bool removed() const { return removed_; }
    void markRemoved() { removed_ = true; }

    CellGrid& cells() { return cells_; }
    const CellGrid& cells() const { return cells_; }
    FormatLayers& formats() { return formats_; }
    const FormatLayers& formats() const { return formats_; }
    ColumnWidths& widths() { return widths_; }
    const ColumnWidths& widths() const { return widths_; }

    // Fits the widths of the columns of `area` to the values that stand in
    // the area's rows now (see autofit.h). A column without values keeps its
    // width.
    void autoFitColumns(const CellArea& area);

  private:
    QString name_;
    bool removed_ = false;
    CellGrid cells_;
    FormatLayers formats_;
    ColumnWidths widths_;
};

}  // namespace lingotab::sheets
