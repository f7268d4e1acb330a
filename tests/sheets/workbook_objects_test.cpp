// The engine's object model as a client of "Excel.Application" sees it.
#include "platform/automation/com.h"
#include "sheets/support/engine_session.h"

#include <gtest/gtest.h>

namespace lingotab::test {
namespace {

using automation::DispatchPtr;
using automation::Variant;
using automation::VariantArray2D;

QString nameOf(const DispatchPtr& sheet) {
    return sheet->get(QStringLiteral("Name")).toString();
}

QStringList sheetNames(const DispatchPtr& workbook) {
    QStringList names;
    const int count = object(workbook, "Worksheets")->get(QStringLiteral("Count")).toInt();
    for (int i = 1; i <= count; ++i) names << nameOf(object(workbook, "Worksheets", {Variant(i)}));
    return names;
}

TEST(WorkbookObjects, RunningInstanceOnlyAfterCreation) {
    sheets::registerEmbeddedWorkbookEngine();
    automation::CLSID clsid;
    ASSERT_EQ(automation::CLSIDFromProgID(QStringLiteral("Excel.Application"), clsid),
              automation::S_OK);
    DispatchPtr running;
    EXPECT_EQ(automation::GetActiveObject(clsid, running), automation::MK_E_UNAVAILABLE);
    DispatchPtr created;
    ASSERT_EQ(automation::CoCreateInstance(clsid, created), automation::S_OK);
    ASSERT_EQ(automation::GetActiveObject(clsid, running), automation::S_OK);
    EXPECT_EQ(running, created);
    EXPECT_EQ(object(created, "Application"), created);
}

TEST(WorkbookObjects, NewWorkbookHasSheet1AndIsActive) {
    EngineSession session;
    const DispatchPtr workbooks = object(session.application, "WorkBooks");
    EXPECT_EQ(workbooks->get(QStringLiteral("Count")).toInt(), 0);
    EXPECT_TRUE(errorOf([&] {
                    object(session.application, "ActiveWorkBook");
                }).contains(u"does not reference an automation object"));
    const DispatchPtr workbook = session.addWorkbook();
    EXPECT_EQ(workbooks->get(QStringLiteral("Count")).toInt(), 1);
    EXPECT_EQ(sheetNames(workbook), QStringList{QStringLiteral("Sheet1")});
    EXPECT_EQ(nameOf(object(object(session.application, "ActiveWorkBook"), "ActiveSheet")),
              QStringLiteral("Sheet1"));
}

TEST(WorkbookObjects, AddAfterPlacesTheSheetAndActivatesIt) {
    EngineSession session;
    const DispatchPtr workbook = session.addWorkbook();
    const DispatchPtr sheets = object(workbook, "WorkSheets");
    const auto addAfter = [&](int index) {
        sheets->call(QStringLiteral("Add"),
                     {Variant::missing(), workbook->get(QStringLiteral("WorkSheets"), {index}),
                      Variant::missing(), Variant::missing()});
    };
    addAfter(1);
    addAfter(1);
    EXPECT_EQ(sheetNames(workbook), (QStringList{QStringLiteral("Sheet1"), QStringLiteral("Sheet3"),
                                                 QStringLiteral("Sheet2")}));
    EXPECT_EQ(nameOf(object(workbook, "ActiveSheet")), QStringLiteral("Sheet3"));
    // Without Before or After the new sheet goes before the active one.
    sheets->call(QStringLiteral("Add"));
    EXPECT_EQ(sheetNames(workbook),
              (QStringList{QStringLiteral("Sheet1"), QStringLiteral("Sheet4"),
                           QStringLiteral("Sheet3"), QStringLiteral("Sheet2")}));
}

TEST(WorkbookObjects, DeleteRemovesTheSheetButNotTheLastOne) {
    EngineSession session;
    const DispatchPtr workbook = session.addWorkbook();
    object(workbook, "Worksheets")->call(QStringLiteral("Add"));
    ASSERT_EQ(sheetNames(workbook),
              (QStringList{QStringLiteral("Sheet2"), QStringLiteral("Sheet1")}));
    const DispatchPtr first = object(workbook, "WorkSheets", {Variant(1)});
    first->call(QStringLiteral("Delete"));
    EXPECT_EQ(sheetNames(workbook), QStringList{QStringLiteral("Sheet1")});
    EXPECT_EQ(nameOf(object(workbook, "ActiveSheet")), QStringLiteral("Sheet1"));
    EXPECT_EQ(errorOf([&] { nameOf(first); }),
              QStringLiteral("The object invoked has disconnected from its clients."));
    EXPECT_EQ(errorOf([&] { object(workbook, "ActiveSheet")->call(QStringLiteral("Delete")); }),
              QStringLiteral("A workbook must contain at least one visible worksheet."));
    EXPECT_EQ(errorOf([&] { object(workbook, "WorkSheets", {Variant(2)}); }),
              QStringLiteral("Invalid index."));
}

TEST(WorkbookObjects, RenameChecksAgainstTheOtherSheets) {
    EngineSession session;
    const DispatchPtr workbook = session.addWorkbook();
    object(workbook, "Worksheets")->call(QStringLiteral("Add"));
    const DispatchPtr sheet = object(workbook, "ActiveSheet");  // Sheet2
    sheet->put(QStringLiteral("Name"), text(QStringLiteral("Main.dfn")));
    sheet->put(QStringLiteral("Name"), text(QStringLiteral("MAIN.dfn")));  // own name, other case
    EXPECT_EQ(nameOf(sheet), QStringLiteral("MAIN.dfn"));
    EXPECT_TRUE(errorOf([&] {
                    sheet->put(QStringLiteral("Name"), text(QStringLiteral("sheet1")));
                }).startsWith(u"Cannot rename a sheet to the same name"));
    EXPECT_TRUE(errorOf([&] {
                    sheet->put(QStringLiteral("Name"), text(QStringLiteral("a[1]")));
                }).startsWith(u"You typed an invalid name"));
    EXPECT_EQ(nameOf(sheet), QStringLiteral("MAIN.dfn"));
    // A sheet reached by name, ignoring case.
    EXPECT_EQ(nameOf(object(workbook, "Worksheets", {text(QStringLiteral("main.DFN"))})),
              QStringLiteral("MAIN.dfn"));
}

TEST(WorkbookObjects, MembersMatchIgnoringCaseAndUnknownOnesAreRefused) {
    EngineSession session;
    const DispatchPtr workbook = session.addWorkbook();
    EXPECT_EQ(object(workbook, "worksheets")->get(QStringLiteral("COUNT")).toInt(), 1);
    EXPECT_EQ(errorOf([&] { workbook->get(QStringLiteral("Charts")); }),
              QStringLiteral("Method 'Charts' not supported by automation object"));
    EXPECT_EQ(errorOf([&] { session.application->call(QStringLiteral("Quit")); }),
              QStringLiteral("Method 'Quit' not supported by automation object"));
}

}  // namespace
}  // namespace lingotab::test
