#pragma once

#include "sheets/spreadsheet_choice.h"

namespace lingotab::sheets {

#ifdef LINGOTAB_HAVE_LIBREOFFICE
// Registers LibreOffice Calc for "Excel.Application" when `choice` lets it
// serve: LibreOffice whenever Calc is installed; Auto when an office of ours
// is listening, or when Calc is installed and there is a display to show it
// on (or its offices run headless). Returns false, registering nothing,
// otherwise; the caller then decides what answers instead.
bool registerLibreOfficeFor(SpreadsheetChoice choice);
#else
// This build has no LibreOffice back end.
inline bool registerLibreOfficeFor(SpreadsheetChoice) {
    return false;
}
#endif

}  // namespace lingotab::sheets
