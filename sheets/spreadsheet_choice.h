#pragma once

#include <QString>
#include <optional>

namespace lingotab::sheets {

// Which spreadsheet application answers "Excel.Application".
enum class SpreadsheetChoice {
    Embedded,     // the embedded workbook engine
    LibreOffice,  // LibreOffice Calc through UNO
    Auto,         // a running office of ours, else Calc when it can be shown, else embedded
};

// "embedded", "libreoffice" or "auto" (as the user types them); nothing for
// any other text.
std::optional<SpreadsheetChoice> parseSpreadsheetChoice(const QString& text);

// The choice in LINGOTAB_SPREADSHEET; Auto when it is unset or empty.
// Raises lingotab::Exception naming the accepted values for any other text.
SpreadsheetChoice spreadsheetChoiceFromEnvironment();

}  // namespace lingotab::sheets
