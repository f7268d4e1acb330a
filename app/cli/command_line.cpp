#include "app/cli/command_line.h"

#include "platform/integer_text.h"

#include <QCommandLineParser>
#include <algorithm>

namespace lingotab::cli {

namespace {

// The spin box's limits.
constexpr int kMinRows = 2;
constexpr int kMaxRows = 100;

const QString kUsage = QStringLiteral(
    "Usage: lingotab-export [--translated] [--horizontal] [--rows K] [-o OUT.xlsx] [--force]\n"
    "                       [--spreadsheet embedded|libreoffice|auto] FILE");

const QString kHelp = QStringLiteral(
    "Exports the translation units of a translation file (.dfn, .rcn) into a new\n"
    "formatted worksheet of an .xlsx workbook.\n"
    "\n"
    "  --translated    take the units that have a translation (default: the units\n"
    "                  whose source text begins with a quote)\n"
    "  --horizontal    one row per unit, source and translation side by side\n"
    "                  (default: a block of K rows per unit, translation under source)\n"
    "  --rows K        rows per unit in the vertical layout, 2 to 100 (default 4)\n"
    "  -o OUT.xlsx     the workbook to write (default: FILE.xlsx beside FILE, or\n"
    "                  the first free \"FILE (2).xlsx\", \"FILE (3).xlsx\", ...)\n"
    "  --force         replace OUT.xlsx when it exists\n"
    "  --spreadsheet NAME  where the sheet goes: embedded (a workbook file),\n"
    "                  libreoffice (a new sheet in the document open in LibreOffice\n"
    "                  Calc), or auto (a running office of ours, else Calc when it\n"
    "                  can be shown, else a file; the default, or LINGOTAB_SPREADSHEET)\n"
    "  --help          show this text\n"
    "  --version       show the version\n"
    "\n"
    "Exit status: 0 when a workbook was written, 1 for a failure or nothing to\n"
    "export, 2 for wrong usage.");

}  // namespace

Request parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption translated(QStringLiteral("translated"));
    const QCommandLineOption horizontal(QStringLiteral("horizontal"));
    const QCommandLineOption rows(QStringLiteral("rows"), {}, QStringLiteral("K"));
    const QCommandLineOption output(QStringLiteral("o"), {}, QStringLiteral("OUT"));
    const QCommandLineOption force(QStringLiteral("force"));
    const QCommandLineOption spreadsheet(QStringLiteral("spreadsheet"), {}, QStringLiteral("NAME"));
    const QCommandLineOption help(QStringLiteral("help"));
    const QCommandLineOption version(QStringLiteral("version"));
    parser.addOptions({translated, horizontal, rows, output, force, spreadsheet, help, version});

    if (!parser.parse(QStringList{QStringLiteral("lingotab-export")} + arguments))
        return UsageError{parser.errorText()};
    if (parser.isSet(help)) return InfoRequest{kUsage + QStringLiteral("\n\n") + kHelp};
    if (parser.isSet(version)) return InfoRequest{QStringLiteral("lingotab-export 1.0")};
    for (const QCommandLineOption* once : {&rows, &output, &spreadsheet})
        if (parser.values(*once).size() > 1)
            return UsageError{
                QStringLiteral("Option '%1' given more than once.").arg(once->names().front())};

    ExportRequest request;
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1)
        return UsageError{files.isEmpty() ? QStringLiteral("No FILE given.")
                                          : QStringLiteral("One FILE at a time.")};
    request.file = files.front();
    request.translatedOnly = parser.isSet(translated);
    request.horizontal = parser.isSet(horizontal);
    request.force = parser.isSet(force);
    if (parser.isSet(output)) {
        request.output = parser.value(output);
        if (request.output.isEmpty()) return UsageError{QStringLiteral("-o needs a file name.")};
    }
    if (parser.isSet(spreadsheet)) {
        request.spreadsheet = sheets::parseSpreadsheetChoice(parser.value(spreadsheet));
        if (!request.spreadsheet)
            return UsageError{
                QStringLiteral("--spreadsheet takes embedded, libreoffice or auto, not \"%1\".")
                    .arg(parser.value(spreadsheet))};
    }
    if (parser.isSet(rows)) {
        const auto k = platform::parseInteger(parser.value(rows));
        if (!k)
            return UsageError{
                QStringLiteral("--rows takes a whole number, not \"%1\".").arg(parser.value(rows))};
        request.rowsPerUnit = std::clamp<int>(*k, kMinRows, kMaxRows);
    }
    return request;
}

}  // namespace lingotab::cli
