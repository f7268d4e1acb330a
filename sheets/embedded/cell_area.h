#pragma once

namespace lingotab::sheets {

// The size of a worksheet.
inline constexpr int kMaxRows = 1048576;
inline constexpr int kMaxColumns = 16384;

// A rectangle of cells, 1-based and inclusive. Whole rows span every column,
// whole columns every row; all cells span both.
struct CellArea {
    int top = 1;
    int left = 1;
    int bottom = 1;
    int right = 1;

    static CellArea cell(int row, int column) { return {row, column, row, column}; }
    static CellArea rows(int first, int last) { return {first, 1, last, kMaxColumns}; }
    static CellArea columns(int first, int last) { return {1, first, kMaxRows, last}; }
    static CellArea all() { return {1, 1, kMaxRows, kMaxColumns}; }

    bool wholeRows() const { return left == 1 && right == kMaxColumns; }
    bool wholeColumns() const { return top == 1 && bottom == kMaxRows; }
    int rowCount() const { return bottom - top + 1; }
    int columnCount() const { return right - left + 1; }
    bool containsRow(int row) const { return top <= row && row <= bottom; }
    bool containsColumn(int column) const { return left <= column && column <= right; }

    // The smallest area holding both.
    CellArea united(const CellArea& other) const;

    bool operator==(const CellArea&) const = default;
};

inline CellArea CellArea::united(const CellArea& other) const {
    return {top < other.top ? top : other.top, left < other.left ? left : other.left,
            bottom > other.bottom ? bottom : other.bottom,
            right > other.right ? right : other.right};
}

}  // namespace lingotab::sheets
