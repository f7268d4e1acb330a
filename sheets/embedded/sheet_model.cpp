#include "sheets/embedded/sheet_model.h"

#include "sheets/embedded/autofit.h"

#include <algorithm>
#include <map>

namespace lingotab::sheets {

void SheetModel::autoFitColumns(const CellArea& area) {
    std::map<int, double> fitted;  // column -> widest text so far
    const int lastRow = std::min(area.bottom, cells_.rowCount());
    for (int r = area.top; r <= lastRow; ++r) {
        const std::vector<QString>& row = cells_.row(r);
        const int lastColumn = std::min<int>(area.right, static_cast<int>(row.size()));
        if (area.left > lastColumn) continue;
        const int rowKey = formats_.rowKey(r);
        for (int c = area.left; c <= lastColumn; ++c) {
            const QString& raw = row[c - 1];
            if (raw.isEmpty()) continue;
            const CellFont font = effectiveFont(formats_.resolve(rowKey, formats_.columnKey(c)));
            double& width = fitted.try_emplace(c, 0.0).first->second;
            width = std::max(width, fittedColumnWidth(cellText(raw), font));
        }
    }
    for (const auto& [column, width] : fitted) widths_.set(column, column, width);
}

}  // namespace lingotab::sheets
