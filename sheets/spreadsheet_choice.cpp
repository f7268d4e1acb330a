#include "sheets/spreadsheet_choice.h"

#include "platform/exception.h"

namespace lingotab::sheets {

std::optional<SpreadsheetChoice> parseSpreadsheetChoice(const QString& text) {
    if (text == QLatin1String("embedded")) return SpreadsheetChoice::Embedded;
    if (text == QLatin1String("libreoffice")) return SpreadsheetChoice::LibreOffice;
    if (text == QLatin1String("auto")) return SpreadsheetChoice::Auto;
    return std::nullopt;
}

SpreadsheetChoice spreadsheetChoiceFromEnvironment() {
    const QString text = qEnvironmentVariable("LINGOTAB_SPREADSHEET");
    if (text.isEmpty()) return SpreadsheetChoice::Auto;
    if (const auto choice = parseSpreadsheetChoice(text)) return *choice;
    throw Exception(
        QStringLiteral("LINGOTAB_SPREADSHEET must be embedded, libreoffice or auto, not \"%1\"")
            .arg(text));
}

}  // namespace lingotab::sheets
