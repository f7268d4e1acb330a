#include "core/export_translations.h"

#include "core/support/printers.h"
#include "core/support/recording_excel.h"
#include "platform/automation/com.h"
#include "platform/exception.h"

#include <gtest/gtest.h>

using lingotab::Exception;
using lingotab::core::ExportContext;
using lingotab::core::ExportTranslations;
using lingotab::core::TTranslateArr;
using lingotab::test::RecordingExcel;

namespace {

const QString kFooterTail = QStringLiteral(
    "[65130]Lingotab v1.0 (c) us (https://lingotab.org/products/lingotab/lingotab.htm)[65131]"
    "05.03.2026 14:07:09");

struct Export {
    TTranslateArr units{{"Form.Caption", "'Orders'", "'Заказы'"}};
    ExportContext context;
    QStringList messages;

    Export() {
        context.strings = [](int id) { return QStringLiteral("[%1]").arg(id); };
        context.caption = QStringLiteral("Lingotab v1.0 (c) us");
        context.loadedFileName = QStringLiteral("C:\\Work\\Forms\\Main.dfn");
        context.rowsPerUnit = 4;
        context.now = QDateTime(QDate(2026, 3, 5), QTime(14, 7, 9));
        context.locale = QLocale(QLocale::Russian, QLocale::Russia);
        context.showMessage = [this](const QString& text) { messages << text; };
    }
    void run(bool vertical) { ExportTranslations(units, vertical, context); }
};

// The calls that lay out, format and show sheet `s` of workbook `b`, whose
// grid has `rows` rows.
QStringList layoutCalls(const QString& b, const QString& s, int rows, bool vertical,
                        const QString& sheetName) {
    const QString active = b + QStringLiteral(" get ActiveSheet()");
    const QString last = QString::number(rows);
    const QString footer = QString::number(rows + 1);
    QStringList calls{
        active,
        s + " get Cells(1, 1)",
        active,
        s + " get Cells(" + last + ", 3)",
        active,
        s + " get Range(" + s + ".Cells(1, 1), " + s + ".Cells(" + last + ", 3))",
        s + ".Range(R1C1:R" + last + "C3) put Value() := array(" + last + "x3)",
        active,
        s + " get Rows(1)",
        s + ".Rows(1) get Font()",
        s + ".Rows(1).Font put Bold() := True",
        active,
        s + " get Rows(1)",
        s + ".Rows(1) put HorizontalAlignment() := -4108",
        active,
        s + " get Rows(1)",
        s + ".Rows(1) get Interior()",
        s + ".Rows(1).Interior put Color() := 12632256",
        active,
        s + " get Columns(1)",
        s + ".Columns(1) get Interior()",
        s + ".Columns(1).Interior put Color() := 12632256",
        active,
        s + " get Cells()",
        s + ".Cells get Font()",
        s + ".Cells.Font put Name() := \"Courier\"",
        active,
        s + " get Cells()",
        s + ".Cells get Font()",
        s + ".Cells.Font put Size() := 10",
        active,
        s + " get Columns(1)",
        s + ".Columns(1) get Columns()",
        s + ".Columns(1).Columns call AutoFit()",
    };
    if (vertical)
        calls << active << s + " get Columns(2)" << s + ".Columns(2) get Columns()"
              << s + ".Columns(2).Columns call AutoFit()";
    else
        calls << active << s + " get Columns(2)" << s + ".Columns(2) put ColumnWidth() := 100"
              << active << s + " get Columns(3)" << s + ".Columns(3) put ColumnWidth() := 100";
    const QString row = s + ".Rows(" + footer + ")";
    calls << active << s + " get Rows(" + footer + ")" << row + " get Font()"
          << row + ".Font put Size() := 8";
    calls << active << s + " get Rows(" + footer + ")" << row + " get Font()"
          << row + ".Font put Color() := 16777215";
    calls << active << s + " get Rows(" + footer + ")" << row + " get Interior()"
          << row + ".Interior put Color() := 0";
    calls << active
          << s + " put Cells(" + footer + ", 1) := \"[65129]" + sheetName + kFooterTail + "\"";
    calls << QStringLiteral("Excel put Visible() := True");
    return calls;
}

// SheetNameExists over the workbook's `sheets`.
QStringList nameCheck(const QString& b, const QStringList& sheets) {
    QStringList calls{b + " get WorkSheets()", b + ".WorkSheets get Count()"};
    for (int i = 0; i < sheets.size(); ++i)
        calls << b + " get WorkSheets(" + QString::number(i + 1) + ")" << sheets[i] + " get Name()";
    return calls;
}

TEST(ExportTranslations, StartsExcelAndCutsANewWorkbookToOneSheet) {
    RecordingExcel excel(/*running=*/false);
    Export job;
    job.run(/*vertical=*/false);

    QStringList expected{
        "GetActiveObject",         "CoCreateInstance",
        "Excel get Application()", "Excel put EnableEvents() := False",
        "Excel get WorkBooks()",   "Workbooks get Count()",
        "Excel get WorkBooks()",   "Workbooks call Add()",
        "Book1 get WorkSheets()",  "Book1.WorkSheets get Count()",
        "Book1 get WorkSheets(1)", "Sheet1 call Delete()",
        "Book1 get WorkSheets()",  "Book1.WorkSheets get Count()",
        "Book1 get WorkSheets(1)", "Sheet2 call Delete()",
        "Book1 get WorkSheets()",  "Book1.WorkSheets get Count()",
    };
    expected << nameCheck("Book1", {"Sheet3"});
    expected << "Book1 get ActiveSheet()"
             << "Sheet3 put Name() := \"Main.dfn\"";
    expected << layoutCalls("Book1", "Sheet3", 2, false, "Main.dfn");
    EXPECT_EQ(excel.log(), expected);

    ASSERT_EQ(excel.workbooks().size(), 1u);
    const auto& sheets = excel.workbooks()[0]->sheets;
    ASSERT_EQ(sheets.size(), 1u);
    EXPECT_EQ(sheets[0]->name, "Main.dfn");
    EXPECT_EQ(sheets[0]->values->at(1, 2).toString(), "''Заказы'");
    EXPECT_TRUE(excel.visible());
    EXPECT_TRUE(job.messages.isEmpty());
}

TEST(ExportTranslations, AddsASheetAfterTheLastOfTheActiveWorkbook) {
    RecordingExcel excel(/*running=*/true);
    const QStringList existing{"Main.dfn", "Main.dfn(1)", "Notes"};
    excel.openWorkbook(existing);
    Export job;
    job.units.push_back({"Form.Hint", "'Hint'", ""});
    job.context.rowsPerUnit = 3;
    job.run(/*vertical=*/true);

    QStringList expected{
        "GetActiveObject",
        "Excel get Application()",
        "Excel put EnableEvents() := False",
        "Excel get WorkBooks()",
        "Workbooks get Count()",
        "Excel get ActiveWorkBook()",
        "Book1 get WorkSheets()",
        "Book1 get WorkSheets()",
        "Book1.WorkSheets get Count()",
        "Book1 get WorkSheets(3)",
        "Book1.WorkSheets call Add(missing, Notes, missing, missing)",
    };
    const QStringList all = existing + QStringList{"Sheet1"};
    expected << nameCheck("Book1", all) << nameCheck("Book1", all) << nameCheck("Book1", all);
    expected << "Book1 get ActiveSheet()"
             << "Sheet1 put Name() := \"Main.dfn(2)\"";
    expected << layoutCalls("Book1", "Sheet1", 2 * 3 + 1, true, "Main.dfn(2)");
    EXPECT_EQ(excel.log(), expected);

    QStringList names;
    for (const auto& sheet : excel.workbooks()[0]->sheets) names << sheet->name;
    EXPECT_EQ(names, existing + QStringList{"Main.dfn(2)"});
}

TEST(ExportTranslations, NamesTheSheetAfterTheFileWithAFreeSuffix) {
    struct {
        QStringList existing;
        QString path;
        QString expected;
    } const cases[] = {
        {{"Sheet9"}, "C:\\Work\\Main.dfn", "Main.dfn"},
        {{"Main.dfn"}, "/home/translator/Main.dfn", "Main.dfn(1)"},
        {{"Main.dfn", "Main.dfn(1)"}, "D:Main.dfn", "Main.dfn(2)"},
        {{"Main.dfn(1)", "Main.dfn"}, "Main.dfn", "Main.dfn(2)"},
        {{"Main.dfn", "Main.dfn(2)"}, "Main.dfn", "Main.dfn(1)"},  // suffixes never accumulate
    };
    for (const auto& c : cases) {
        RecordingExcel excel(true);
        excel.openWorkbook(c.existing);
        Export job;
        job.context.loadedFileName = c.path;
        job.run(false);
        const auto& sheet = excel.workbooks()[0]->active;
        EXPECT_EQ(sheet->name, c.expected) << c.path.toStdString();
        EXPECT_EQ(sheet->cellWrites, QStringList{"R3C1 := [65129]" + c.expected + kFooterTail});
    }
}

TEST(ExportTranslations, ExpectedConditionsOnlyShowAMessage) {
    {
        RecordingExcel excel(true);
        Export job;
        job.units.clear();
        job.run(false);
        EXPECT_EQ(job.messages, QStringList{"[65123]"});
        EXPECT_TRUE(excel.log().isEmpty());
    }
    // No RecordingExcel alive: nothing registered as Excel.Application.
    Export job;
    job.run(true);
    EXPECT_EQ(job.messages, QStringList{"[65124]"});
}

TEST(ExportTranslations, AFailureEndsTheExportAndUndoesNothing) {
    struct {
        QStringList existing;  // empty: no workbook open
        QString failAt;
        QString message;
    } const cases[] = {
        {{}, "Sheet3.Range(R1C1:R2C3) put Value()", "Injected failure at "},
        // A name that differs only in case is free by our comparison but
        // refused by the spreadsheet.
        {{"MAIN.DFN"}, "", "Cannot rename a sheet to the same name as another sheet"},
    };
    for (const auto& c : cases) {
        RecordingExcel excel(true);
        if (!c.existing.isEmpty()) excel.openWorkbook(c.existing);
        if (!c.failAt.isEmpty()) excel.failAt(c.failAt);
        Export job;
        try {
            job.run(false);
            ADD_FAILURE() << "no failure";
        } catch (const Exception& e) {
            EXPECT_TRUE(e.message().startsWith(c.message)) << e.message().toStdString();
        }
        const QString failed = c.failAt.isEmpty() ? "Sheet1 put Name() := \"Main.dfn\"" : c.failAt;
        EXPECT_TRUE(excel.log().last().startsWith(failed)) << excel.log().last().toStdString();
        EXPECT_FALSE(excel.visible());
        // What was done stays: the new sheet is there, named or not.
        const auto& sheets = excel.workbooks()[0]->sheets;
        EXPECT_EQ(sheets.size(), c.existing.isEmpty() ? 1u : 2u);
        EXPECT_EQ(sheets.back()->name, c.existing.isEmpty() ? "Main.dfn" : "Sheet1");
    }
}

TEST(ExportTranslations, FailedStartNamesTheProgID) {
    lingotab::automation::ClassRegistration registration;
    registration.progId = QStringLiteral("Excel.Application");
    registration.clsid = QUuid::createUuid();
    registration.createInstance = [](lingotab::automation::DispatchPtr&) {
        return lingotab::automation::CO_E_SERVER_EXEC_FAILURE;
    };
    lingotab::automation::registerClass(registration);
    Export job;
    try {
        job.run(false);
        ADD_FAILURE() << "no failure";
    } catch (const Exception& e) {
        EXPECT_EQ(e.message(), "Server execution failed, ProgID: \"Excel.Application\"");
    }
    lingotab::automation::unregisterClass(registration.progId);
}

}  // namespace
