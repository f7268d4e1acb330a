#pragma once

#include "platform/automation/com.h"
#include "sheets/embedded/embedded_engine.h"
#include "sheets/spreadsheet_choice.h"

#include <optional>

namespace lingotab::sheets {

#ifdef LINGOTAB_HAVE_LIBREOFFICE
// Registers LibreOffice Calc for "Excel.Application" when `choice` lets it
// serve: LibreOffice whenever Calc is installed; Auto when an office of ours
// is listening, or when Calc is installed and there is a display to show it
// on (or its offices run headless). Returns false, registering nothing,
// otherwise.
bool registerLibreOfficeFor(SpreadsheetChoice choice);
#else
// This build has no LibreOffice back end.
inline bool registerLibreOfficeFor(SpreadsheetChoice) {
    return false;
}
#endif

// Registers for "Excel.Application" what `choice` names: Calc when it can
// serve, else the embedded engine with `engine`. A choice of LibreOffice
// never falls back: without Calc nothing is registered, and the export says
// that the class is not registered. Returns what was registered.
inline std::optional<SpreadsheetChoice> registerChosenSpreadsheet(SpreadsheetChoice choice,
                                                                  EngineOptions engine = {}) {
    automation::unregisterClass(QStringLiteral("Excel.Application"));
    if (registerLibreOfficeFor(choice)) return SpreadsheetChoice::LibreOffice;
    if (choice == SpreadsheetChoice::LibreOffice) return std::nullopt;
    registerEmbeddedWorkbookEngine(std::move(engine));
    return SpreadsheetChoice::Embedded;
}

}  // namespace lingotab::sheets
