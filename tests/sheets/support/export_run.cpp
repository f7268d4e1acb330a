#include "sheets/support/export_run.h"

#include <gtest/gtest.h>

namespace lingotab::test {

core::ExportContext exportContext(const QString& loadedFileName, int rowsPerUnit) {
    core::ExportContext context;
    context.strings = [](int id) { return QStringLiteral("S%1").arg(id); };
    context.caption = QStringLiteral("Lingotab v1.0 test");
    context.loadedFileName = loadedFileName;
    context.rowsPerUnit = rowsPerUnit;
    context.now = QDateTime(QDate(2026, 12, 10), QTime(9, 30, 15));
    context.locale = QLocale::c();
    context.showMessage = [](const QString& message) {
        ADD_FAILURE() << "unexpected message " << message.toStdString();
    };
    return context;
}

core::TTranslateArr sampleUnits() {
    return {
        {QStringLiteral("TForm1.Caption"), QStringLiteral("'Main window'"),
         QStringLiteral("Главное окно")},
        {QStringLiteral("TForm1.Label1.Caption"), QStringLiteral("\"Two\r\nlines\""), QString()},
        {QStringLiteral("007"), QStringLiteral("'=1+1"), QStringLiteral("  leading blanks")},
        {QStringLiteral("res_x0041_"), QStringLiteral("'x'"), QStringLiteral("12.5")},
    };
}

}  // namespace lingotab::test
