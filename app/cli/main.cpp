// lingotab-export: the export of the window, from the command line. Loads a
// translation file as the window loads it, takes its translation units and
// writes them into a new worksheet through the embedded workbook engine,
// saved to a file of the user's choosing, or into the document open in
// LibreOffice Calc (--spreadsheet).
#include "app/cli/command_line.h"
#include "app/cli/output_path.h"
#include "app/texts/builtin_strings.h"
#include "app/texts/window_description.h"
#include "app/translation_file.h"
#include "core/export_translations.h"
#include "platform/exception.h"
#include "sheets/libreoffice/libreoffice_spreadsheet.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace lingotab::cli {

namespace {

enum ExitStatus { kWritten = 0, kFailed = 1, kWrongUsage = 2 };

void printTo(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().append('\n').constData(), stream);
}

void complain(const QString& message) {
    printTo(stderr, QStringLiteral("lingotab-export: ") + message);
}

int runExport(const ExportRequest& request) {
    const QString file = QFileInfo(request.file).absoluteFilePath();
    // The text the window would show, kept as UTF-8: the extraction reads
    // bytes, so nothing is decoded to UTF-16 and back.
    QByteArray text = app::normalizeTranslationBytes(app::ReadTranslationFile(file));
    core::TTranslateArr translations;
    core::ExtractTranslationsFromUtf8(std::move(text), request.translatedOnly, translations);

    // An explicit OUT asks for a file: "auto" then means the embedded engine.
    sheets::SpreadsheetChoice choice =
        request.spreadsheet ? *request.spreadsheet : sheets::spreadsheetChoiceFromEnvironment();
    if (!request.output.isEmpty()) {
        if (choice == sheets::SpreadsheetChoice::LibreOffice) {
            complain(
                QStringLiteral("-o writes a workbook file; LibreOffice Calc keeps the sheet "
                               "open instead."));
            return kWrongUsage;
        }
        choice = sheets::SpreadsheetChoice::Embedded;
    }

    QString output = request.output.isEmpty() ? freeWorkbookPath(file)
                                              : QFileInfo(request.output).absoluteFilePath();
    if (!request.force && QFileInfo::exists(output)) {
        complain(QStringLiteral("%1 exists; give --force to replace it.")
                     .arg(QDir::toNativeSeparators(output)));
        return kFailed;
    }

    QString written;
    const auto registered = sheets::registerChosenSpreadsheet(
        choice, {.outputPath = output,
                 .replaceOutput = request.force,
                 .openViewer = false,
                 .saved = [&](const QString& path) { written = path; }});
    bool expectedCondition = false;
    core::ExportContext context;
    context.strings = app::builtinString;
    context.caption = app::builtinForm1Description().value(QStringLiteral("Form1.Caption"));
    context.loadedFileName = file;
    context.rowsPerUnit = request.rowsPerUnit;
    context.now = QDateTime::currentDateTime();
    context.locale = QLocale::system();
    context.showMessage = [&](const QString& message) {
        expectedCondition = true;
        complain(message);
    };
    core::ExportTranslations(translations, !request.horizontal, context);
    if (expectedCondition) return kFailed;
    if (registered == sheets::SpreadsheetChoice::LibreOffice) {
        printTo(stdout, QStringLiteral("LibreOffice Calc"));
        return kWritten;
    }
    if (written.isEmpty()) {
        complain(QStringLiteral("no workbook was written."));
        return kFailed;
    }
    printTo(stdout, QDir::toNativeSeparators(written));
    return kWritten;
}

int run(const QStringList& arguments) {
    const Request request = parseCommandLine(arguments);
    if (const auto* info = std::get_if<InfoRequest>(&request)) {
        printTo(stdout, info->text);
        return kWritten;
    }
    if (const auto* wrong = std::get_if<UsageError>(&request)) {
        complain(wrong->message);
        printTo(stderr, QStringLiteral("Try 'lingotab-export --help'."));
        return kWrongUsage;
    }
    try {
        return runExport(std::get<ExportRequest>(request));
    } catch (const std::exception& e) {
        complain(QString::fromUtf8(e.what()));
        return kFailed;
    }
}

}  // namespace

}  // namespace lingotab::cli

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return lingotab::cli::run(arguments);
}
