#pragma once

#include "sheets/embedded/cell_format.h"

#include <QStringView>

namespace lingotab::sheets {

// AutoFit without a font renderer. The rule:
// - a character advances 0.6 em: the exact advance of Courier and of the other
//   monospaced fonts, about the mean advance of proportional ones, so a
//   10-point character (13.33 px at 96 dpi) is 8 px wide, bold or not;
// - a cell's text is as wide as its longest line, counted in characters
//   (code points);
// - a column width w (in characters of the default font, Calibri 11, whose
//   digits are 7 px wide) makes the column w x 7 + 5 px wide, the 5 px being
//   the cell's padding; the text needs w = text pixels / 7, rounded up to a
//   hundredth;
// - AutoFit stops at 255, the widest column there is.
double fittedColumnWidth(QStringView text, const CellFont& font);

}  // namespace lingotab::sheets
