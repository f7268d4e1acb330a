#pragma once

#include "core/export_translations.h"

namespace lingotab::test {

// An export context as the window gives it, with a string table of our own
// ("S" and the id) for the headers and footer, and a fixed clock.
core::ExportContext exportContext(const QString& loadedFileName, int rowsPerUnit = 4);

// A few units with what a cell has to keep: quotes, line breaks, Cyrillic,
// leading blanks, texts that look like numbers, formulas or escapes, an
// empty target.
core::TTranslateArr sampleUnits();

}  // namespace lingotab::test
