#pragma once

namespace lingotab {

// Identifiers of the program's string table; every text set carries them all.
enum StringId : int {
    sLanguageCode = 65120,
    sUnsupportedFileStart = 65121,
    sUnsupportedFileEnd = 65122,
    sNothingToExport = 65123,
    sExcelNotRegistered = 65124,
    sHeaderResource = 65125,
    sHeaderTranslations = 65126,
    sHeaderTranslation = 65127,
    sHeaderSource = 65128,
    sFooterSheet = 65129,
    sFooterGenerated = 65130,
    sFooterDate = 65131,
};

}  // namespace lingotab
