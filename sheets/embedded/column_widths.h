#pragma once

#include <vector>

namespace lingotab::sheets {

// The standard column width, in characters of the default font.
inline constexpr double kStandardColumnWidth = 8.43;
// The widest column the spreadsheet allows.
inline constexpr double kMaxColumnWidth = 255.0;

// Column widths as set, in order; a later setting on a column replaces an
// earlier one.
class ColumnWidths {
  public:
    struct Change {
        int first;
        int last;
        double width;
    };

    void set(int first, int last, double width) { changes_.push_back({first, last, width}); }
    double widthOf(int column) const;
    const std::vector<Change>& changes() const { return changes_; }

  private:
    std::vector<Change> changes_;
};

inline double ColumnWidths::widthOf(int column) const {
    for (auto it = changes_.rbegin(); it != changes_.rend(); ++it)
        if (it->first <= column && column <= it->last) return it->width;
    return kStandardColumnWidth;
}

}  // namespace lingotab::sheets
