#pragma once

#include "sheets/spreadsheet_choice.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

namespace lingotab::cli {

// What the command line asks for.
struct ExportRequest {
    QString file;
    bool translatedOnly = false;  // --translated
    bool horizontal = false;      // --horizontal
    int rowsPerUnit = 4;          // --rows K, clamped to 2..100
    QString output;               // -o OUT; empty: beside the file
    bool force = false;           // --force: OUT may be replaced
    // --spreadsheet NAME; unset: LINGOTAB_SPREADSHEET
    std::optional<sheets::SpreadsheetChoice> spreadsheet;
};

// --help or --version: the text to print, and success.
struct InfoRequest {
    QString text;
};

// Wrong usage: what was wrong, followed by the usage line.
struct UsageError {
    QString message;
};

using Request = std::variant<ExportRequest, InfoRequest, UsageError>;

// Reads the arguments (without the program name).
Request parseCommandLine(const QStringList& arguments);

}  // namespace lingotab::cli
