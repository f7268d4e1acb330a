#include "sheets/embedded/cell_grid.h"

#include "platform/exception.h"

namespace lingotab::sheets {

using automation::Variant;
using automation::VariantArray2D;

namespace {

// A cell takes a text or nothing; anything else, or a text longer than a
// cell holds, is refused before any cell changes.
QString checkedText(const Variant& value, int row, int column) {
    switch (value.type()) {
        case Variant::Type::Empty:
        case Variant::Type::Null:
            return {};
        case Variant::Type::String:
            break;
        default:
            throw Exception(QStringLiteral("Type mismatch: cell %1 cannot take a value of type %2.")
                                .arg(cellName(row, column), Variant::typeName(value.type())));
    }
    QString text = value.toString();
    if (cellText(text).size() > kMaxCellText)
        throw Exception(QStringLiteral("The text for cell %1 is %2 characters long; a cell holds "
                                       "at most 32,767 characters.")
                            .arg(cellName(row, column))
                            .arg(cellText(text).size()));
    return text;
}

void checkCellArea(const CellArea& area) {
    if (area.wholeRows() || area.wholeColumns())
        throw Exception(QStringLiteral(
            "Values can be assigned to a range of cells, not to whole rows or columns."));
}

}  // namespace

QString cellName(int row, int column) {
    QString letters;
    for (int c = column; c > 0; c = (c - 1) / 26) letters.prepend(QChar(u'A' + (c - 1) % 26));
    return letters + QString::number(row);
}

void CellGrid::assign(const CellArea& area, const VariantArray2D& values) {
    checkCellArea(area);
    if (values.rows() != area.rowCount() || values.columns() != area.columnCount())
        throw Exception(QStringLiteral("An array of %1 x %2 values does not fit the range %3:%4.")
                            .arg(values.rows())
                            .arg(values.columns())
                            .arg(cellName(area.top, area.left), cellName(area.bottom, area.right)));
    std::vector<QString> texts;
    texts.reserve(static_cast<size_t>(values.rows()) * values.columns());
    for (int r = 0; r < values.rows(); ++r)
        for (int c = 0; c < values.columns(); ++c)
            texts.push_back(checkedText(values.at(r, c), area.top + r, area.left + c));
    auto text = texts.cbegin();
    for (int r = area.top; r <= area.bottom; ++r)
        for (int c = area.left; c <= area.right; ++c) set(r, c, *text++);
}

void CellGrid::assign(const CellArea& area, const Variant& value) {
    checkCellArea(area);
    const QString text = checkedText(value, area.top, area.left);
    for (int r = area.top; r <= area.bottom; ++r)
        for (int c = area.left; c <= area.right; ++c) set(r, c, text);
}

void CellGrid::set(int row, int column, const QString& raw) {
    if (raw.isEmpty()) {
        // Clearing a cell that holds nothing allocates nothing.
        if (row <= rowCount() && column <= static_cast<int>(rows_[row - 1].size()))
            rows_[row - 1][column - 1] = QString();
        return;
    }
    if (row > rowCount()) rows_.resize(row);
    std::vector<QString>& cells = rows_[row - 1];
    if (column > static_cast<int>(cells.size())) cells.resize(column);
    cells[column - 1] = raw;
}

}  // namespace lingotab::sheets
