#pragma once

#include "core/translation_units.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <functional>

namespace lingotab::core {

// What an export needs from the window around it.
struct ExportContext {
    std::function<QString(int id)> strings;           // string table of the chosen text set
    QString caption;                                  // main window caption at export time
    QString loadedFileName;                           // full path of the loaded file
    int rowsPerUnit = 4;                              // k, already clamped to 2..100
    QDateTime now;                                    // local clock at export time
    QLocale locale;                                   // user's regional date/time formats
    std::function<void(const QString&)> showMessage;  // plain message box (expected conditions)
};

// Writes `translations` into a new worksheet of the spreadsheet application
// registered as "Excel.Application" (platform/automation/com.h): one row per
// unit, or with `vertical` a block of `rowsPerUnit` rows per unit.
//
// Nothing to export, or no such application registered: shows the message
// through context.showMessage and returns without touching the application.
// Every other failure raises lingotab::Exception; what was done in the
// workbook before it stays.
void ExportTranslations(const TTranslateArr& translations, bool vertical,
                        const ExportContext& context);

}  // namespace lingotab::core
