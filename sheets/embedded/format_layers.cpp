#include "sheets/embedded/format_layers.h"

namespace lingotab::sheets {

void FormatLayers::add(const CellArea& area, const CellFormat& change) {
    changes_.push_back({area, change});
    resolved_.clear();
}

int FormatLayers::rowKey(int row) const {
    for (const Change& c : changes_)
        if (!c.area.wholeColumns() && c.area.containsRow(row)) return row;
    return 0;
}

int FormatLayers::columnKey(int column) const {
    for (const Change& c : changes_)
        if (!c.area.wholeRows() && c.area.containsColumn(column)) return column;
    return 0;
}

const CellFormat& FormatLayers::resolve(int rowKey, int columnKey) const {
    const auto [it, inserted] = resolved_.try_emplace({rowKey, columnKey});
    if (inserted)
        for (const Change& c : changes_) {
            const bool row = c.area.wholeColumns() || (rowKey && c.area.containsRow(rowKey));
            const bool column =
                c.area.wholeRows() || (columnKey && c.area.containsColumn(columnKey));
            if (row && column) it->second.merge(c.format);
        }
    return it->second;
}

std::optional<CellFormat> FormatLayers::rowFormat(int row) const {
    bool ownChange = false;
    for (const Change& c : changes_)
        if (c.area.wholeRows() && !c.area.wholeColumns() && c.area.containsRow(row))
            ownChange = true;
    if (!ownChange) return std::nullopt;
    return resolve(row, 0);
}

}  // namespace lingotab::sheets
