// Exports into a real headless office through "Excel.Application", read back
// through UNO and, saved as .xlsx, by an independent reader.
#include "core/export_translations.h"
#include "core/sheet_layout.h"
#include "platform/automation/com.h"
#include "platform/exception.h"
#include "sheets/libreoffice/calc_objects.h"
#include "sheets/libreoffice/calc_values.h"
#include "sheets/libreoffice/support/test_office.h"
#include "sheets/libreoffice/uno_text.h"
#include "support/test_support.h"

#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/container/XNamed.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/frame/XStorable.hpp>
#include <com/sun/star/sheet/XSpreadsheetView.hpp>
#include <com/sun/star/table/CellContentType.hpp>
#include <com/sun/star/table/XCell.hpp>
#include <com/sun/star/table/XColumnRowRange.hpp>
#include <com/sun/star/table/XTableColumns.hpp>
#include <com/sun/star/text/XText.hpp>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>
#include <iostream>

namespace lingotab::sheets::calc {
namespace {

using core::TTranslateArr;
using css::uno::Reference;
using css::uno::UNO_QUERY_THROW;

const QString kFile = QStringLiteral("C:\\Projects\\Forms\\Main.dfn");

TTranslateArr units() {
    return {
        {QStringLiteral("TForm1.Caption"), QStringLiteral("Main window"),
         QStringLiteral("Главное окно")},
        {QStringLiteral("TForm1.Button1.Caption"), QStringLiteral("'quoted'"), QString()},
        {QStringLiteral("TForm1.Edit1.Text"), QStringLiteral("123"), QStringLiteral("=1+1")},
        {QStringLiteral("TForm1.Memo1.Lines"), QStringLiteral("first line\nsecond line"),
         QStringLiteral("  leading blanks")},
    };
}

QString stringFor(int id) {
    return QStringLiteral("text %1").arg(id);
}

core::ExportContext contextFor(const QString& file, QStringList* messages = nullptr) {
    core::ExportContext context;
    context.strings = stringFor;
    context.caption = QStringLiteral("Lingotab v1.0");
    context.loadedFileName = file;
    context.rowsPerUnit = 3;
    context.now = QDateTime(QDate(2026, 12, 10), QTime(14, 5, 9));
    context.locale = QLocale::c();
    context.showMessage = [messages](const QString& text) {
        if (messages) messages->append(text);
    };
    return context;
}

void exportUnits(bool vertical, const QString& file = kFile) {
    core::ExportTranslations(units(), vertical, contextFor(file));
}

template <class T>
T property(const Reference<css::uno::XInterface>& object, const char* name) {
    T value{};
    Reference<css::beans::XPropertySet>(object, UNO_QUERY_THROW)
        ->getPropertyValue(OUString::createFromAscii(name)) >>= value;
    return value;
}

QStringList namesOf(const Reference<css::sheet::XSpreadsheetDocument>& workbook) {
    return sheetNames(workbook);
}

Reference<css::sheet::XSpreadsheet> sheetNamed(
    const Reference<css::sheet::XSpreadsheetDocument>& workbook, const QString& name) {
    return Reference<css::sheet::XSpreadsheet>(workbook->getSheets()->getByName(toUno(name)),
                                               UNO_QUERY_THROW);
}

Reference<css::table::XCell> cellAt(const Reference<css::sheet::XSpreadsheet>& sheet, int column,
                                    int row) {
    return sheet->getCellByPosition(column, row);
}

QString textAt(const Reference<css::sheet::XSpreadsheet>& sheet, int column, int row) {
    return fromUno(
        Reference<css::text::XText>(cellAt(sheet, column, row), UNO_QUERY_THROW)->getString());
}

sal_Int32 columnWidth(const Reference<css::sheet::XSpreadsheet>& sheet, int column) {
    const auto columns =
        Reference<css::table::XColumnRowRange>(sheet, UNO_QUERY_THROW)->getColumns();
    return property<sal_Int32>(
        Reference<css::uno::XInterface>(columns->getByIndex(column), UNO_QUERY_THROW), "Width");
}

class CalcExportTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (test::TestOffice::instance().start())
            std::cout << "office started in " << test::TestOffice::instance().startSeconds()
                      << " s\n";
    }
    static void TearDownTestSuite() { test::TestOffice::instance().stop(); }

    void SetUp() override {
        auto& office = test::TestOffice::instance();
        if (!calcInstalled()) GTEST_SKIP() << office.skipReason().toStdString();
        ASSERT_TRUE(office.start()) << office.skipReason().toStdString();
        office.closeAllDocuments();
    }

    Reference<css::frame::XDesktop2> desktop() const {
        return test::TestOffice::instance().desktop();
    }
    std::vector<Reference<css::sheet::XSpreadsheetDocument>> workbooks() const {
        return openWorkbooks(desktop());
    }
};

// The grid as the export builds it, cell by cell as Calc must hold it.
void expectGrid(const Reference<css::sheet::XSpreadsheet>& sheet, bool vertical, int rowsPerUnit) {
    const auto grid = core::buildGrid(units(), vertical, rowsPerUnit, stringFor);
    for (int r = 0; r < grid->rows(); ++r)
        for (int c = 0; c < grid->columns(); ++c) {
            QString expected = grid->at(r, c).isEmpty() ? QString() : grid->at(r, c).toString();
            if (expected.startsWith(QLatin1Char('\''))) expected.remove(0, 1);
            EXPECT_EQ(textAt(sheet, c, r), expected) << "row " << r + 1 << " column " << c + 1;
            EXPECT_EQ(cellAt(sheet, c, r)->getType(), expected.isEmpty()
                                                          ? css::table::CellContentType_EMPTY
                                                          : css::table::CellContentType_TEXT)
                << "row " << r + 1 << " column " << c + 1;
        }
}

TEST_F(CalcExportTest, NoWorkbookOpenGivesANewDocumentOfOneFormattedSheet) {
    exportUnits(true);

    const auto open = workbooks();
    ASSERT_EQ(open.size(), 1u);
    EXPECT_EQ(namesOf(open[0]), QStringList{QStringLiteral("Main.dfn")});
    const auto sheet = sheetNamed(open[0], QStringLiteral("Main.dfn"));
    expectGrid(sheet, true, 3);

    const int footerRow = core::gridRows(4, true, 3);  // from 0: the row below the grid
    EXPECT_EQ(textAt(sheet, 0, footerRow),
              core::footerText(QStringLiteral("Main.dfn"), QStringLiteral("Lingotab v1.0"),
                               contextFor(kFile).now, QLocale::c(), stringFor));

    struct Look {
        int column, row;
        float weight;
        css::table::CellHoriJustify justify;
        sal_Int32 fill;
        float height;
        sal_Int32 color;
    } looks[] = {
        // Row 1 across the sheet, column A down it, the footer row across it,
        // overriding column A's grey; Courier 10 everywhere else.
        {1, 0, 150.f, css::table::CellHoriJustify_CENTER, 0xC0C0C0, 10.f, -1},
        {60, 0, 150.f, css::table::CellHoriJustify_CENTER, 0xC0C0C0, 10.f, -1},
        {0, 5, 100.f, css::table::CellHoriJustify_STANDARD, 0xC0C0C0, 10.f, -1},
        {0, 900, 100.f, css::table::CellHoriJustify_STANDARD, 0xC0C0C0, 10.f, -1},
        {1, 5, 100.f, css::table::CellHoriJustify_STANDARD, -1, 10.f, -1},
        {0, footerRow, 100.f, css::table::CellHoriJustify_STANDARD, 0, 8.f, 0xFFFFFF},
        {40, footerRow, 100.f, css::table::CellHoriJustify_STANDARD, 0, 8.f, 0xFFFFFF},
    };
    for (const Look& look : looks) {
        SCOPED_TRACE(testing::Message() << "column " << look.column + 1 << " row " << look.row + 1);
        const auto cell = cellAt(sheet, look.column, look.row);
        EXPECT_EQ(property<float>(cell, "CharWeight"), look.weight);
        EXPECT_EQ(property<css::table::CellHoriJustify>(cell, "HoriJustify"), look.justify);
        EXPECT_EQ(property<sal_Int32>(cell, "CellBackColor"), look.fill);
        EXPECT_EQ(fromUno(property<OUString>(cell, "CharFontName")), QStringLiteral("Courier"));
        EXPECT_EQ(property<float>(cell, "CharHeight"), look.height);
        if (look.color >= 0) EXPECT_EQ(property<sal_Int32>(cell, "CharColor"), look.color);
    }

    // Columns A and B were fitted before the footer was written: fitting
    // column A again now, with the long footer in it, widens it.
    const sal_Int32 fittedA = columnWidth(sheet, 0);
    EXPECT_NE(fittedA, columnWidth(sheet, 5));
    const auto columns =
        Reference<css::table::XColumnRowRange>(sheet, UNO_QUERY_THROW)->getColumns();
    Reference<css::beans::XPropertySet>(columns->getByIndex(0), UNO_QUERY_THROW)
        ->setPropertyValue(OUString("OptimalWidth"), css::uno::Any(true));
    EXPECT_LT(fittedA, columnWidth(sheet, 0));
}

TEST_F(CalcExportTest, ActiveDocumentOfThreeSheetsGetsAFourthAfterThem) {
    const auto workbook = test::TestOffice::instance().newWorkbook(
        {QStringLiteral("Alpha"), QStringLiteral("Beta"), QStringLiteral("Gamma")});
    const auto alpha = sheetNamed(workbook, QStringLiteral("Alpha"));
    Reference<css::text::XText>(cellAt(alpha, 0, 0), UNO_QUERY_THROW)
        ->setString(OUString("keep me"));

    exportUnits(false);

    ASSERT_EQ(workbooks().size(), 1u);
    EXPECT_EQ(namesOf(workbook),
              (QStringList{QStringLiteral("Alpha"), QStringLiteral("Beta"), QStringLiteral("Gamma"),
                           QStringLiteral("Main.dfn")}));
    EXPECT_EQ(textAt(alpha, 0, 0), QStringLiteral("keep me"));
    EXPECT_EQ(property<float>(cellAt(alpha, 0, 0), "CharWeight"), 100.f);

    const auto sheet = sheetNamed(workbook, QStringLiteral("Main.dfn"));
    expectGrid(sheet, false, 3);
    const auto view = Reference<css::sheet::XSpreadsheetView>(
        Reference<css::frame::XModel>(workbook, UNO_QUERY_THROW)->getCurrentController(),
        UNO_QUERY_THROW);
    EXPECT_EQ(Reference<css::container::XNamed>(view->getActiveSheet(), UNO_QUERY_THROW)->getName(),
              OUString("Main.dfn"));
    // 100 digits wide: 705 pixels, within Calc's rounding to its own units.
    EXPECT_NEAR(columnWidth(sheet, 1), unoColumnWidth(100), 5);
    EXPECT_NEAR(columnWidth(sheet, 2), unoColumnWidth(100), 5);
}

TEST_F(CalcExportTest, TheSameFileAgainGetsTheNextSuffix) {
    exportUnits(true);
    exportUnits(true);
    exportUnits(false);

    const auto open = workbooks();
    ASSERT_EQ(open.size(), 1u);
    EXPECT_EQ(namesOf(open[0]),
              (QStringList{QStringLiteral("Main.dfn"), QStringLiteral("Main.dfn(1)"),
                           QStringLiteral("Main.dfn(2)")}));
}

TEST_F(CalcExportTest, ARefusedNameEndsTheExportWithTheSpreadsheetsText) {
    struct Case {
        QString file;
        QStringList sheets;
        const char* message;
    } cases[] = {
        {QStringLiteral("/data/forms[old].dfn"),
         {QStringLiteral("Alpha")},
         "You typed an invalid name"},
        // A name taken but for letter case is not seen by the suffix search,
        // and refused by the rename.
        {kFile, {QStringLiteral("MAIN.DFN")}, "Cannot rename a sheet to the same name"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        test::TestOffice::instance().closeAllDocuments();
        const auto workbook = test::TestOffice::instance().newWorkbook(c.sheets);
        try {
            core::ExportTranslations(units(), true, contextFor(c.file));
            ADD_FAILURE() << "the export went through";
        } catch (const Exception& error) {
            EXPECT_TRUE(error.message().startsWith(QLatin1String(c.message))) << error.what();
        }
        // Nothing is undone: the added sheet stays, under the name it was given.
        EXPECT_EQ(namesOf(workbook).size(), c.sheets.size() + 1);
        EXPECT_TRUE(namesOf(workbook).startsWith(c.sheets.front()));
    }
}

TEST_F(CalcExportTest, SavedAsXlsxAnIndependentReaderSeesTheSheet) {
    exportUnits(false);
    const auto workbook = workbooks().at(0);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("export.xlsx"));
    css::uno::Sequence<css::beans::PropertyValue> filter(1);
    filter.getArray()[0].Name = OUString("FilterName");
    filter.getArray()[0].Value <<= OUString("Calc Office Open XML");
    Reference<css::frame::XStorable>(workbook, UNO_QUERY_THROW)
        ->storeToURL(toUno(QUrl::fromLocalFile(path).toString()), filter);

    const int footer = core::gridRows(4, false, 3) + 1;
    QProcess reader;
    reader.start(QStringLiteral("/usr/bin/python3"),
                 {test::sourcePath(QStringLiteral("tests/sheets/libreoffice/read_xlsx.py")), path,
                  QStringLiteral("Main.dfn"), QStringLiteral("A1"), QStringLiteral("B3"),
                  QStringLiteral("B4"), QStringLiteral("C2"), QStringLiteral("A%1").arg(footer)});
    ASSERT_TRUE(reader.waitForFinished(30000));
    if (reader.exitCode() != 0 && reader.readAllStandardError().contains("openpyxl"))
        GTEST_SKIP() << "python3-openpyxl is not installed";
    ASSERT_EQ(reader.exitCode(), 0);
    const QJsonObject seen = QJsonDocument::fromJson(reader.readAllStandardOutput()).object();
    const QJsonObject cells = seen[QStringLiteral("cells")].toObject();
    const auto cell = [&](const QString& ref) { return cells[ref].toObject(); };
    const auto grid = core::buildGrid(units(), false, 3, stringFor);

    EXPECT_EQ(seen[QStringLiteral("sheets")].toArray().first().toString(),
              QStringLiteral("Main.dfn"));
    EXPECT_EQ(cell(QStringLiteral("A1"))[QStringLiteral("value")].toString(),
              grid->at(0, 0).toString());
    EXPECT_TRUE(cell(QStringLiteral("A1"))[QStringLiteral("bold")].toBool());
    EXPECT_EQ(cell(QStringLiteral("A1"))[QStringLiteral("align")].toString(),
              QStringLiteral("center"));
    EXPECT_EQ(cell(QStringLiteral("A1"))[QStringLiteral("fill")].toString(),
              QStringLiteral("C0C0C0"));
    // "123" and "=1+1" stay texts.
    EXPECT_EQ(cell(QStringLiteral("B4"))[QStringLiteral("value")].toString(),
              QStringLiteral("123"));
    EXPECT_EQ(cell(QStringLiteral("B4"))[QStringLiteral("type")].toString(), QStringLiteral("s"));
    EXPECT_EQ(cell(QStringLiteral("B3"))[QStringLiteral("value")].toString(),
              QStringLiteral("'quoted'"));
    // Calc names the font by what it found for "Courier" when it writes the file.
    EXPECT_TRUE(cell(QStringLiteral("C2"))[QStringLiteral("font")].toString().startsWith(
        QLatin1String("Courier")));
    EXPECT_EQ(cell(QStringLiteral("C2"))[QStringLiteral("size")].toDouble(), 10);
    const QJsonObject footerCell = cell(QStringLiteral("A%1").arg(footer));
    EXPECT_EQ(footerCell[QStringLiteral("size")].toDouble(), 8);
    EXPECT_EQ(footerCell[QStringLiteral("color")].toString(), QStringLiteral("FFFFFF"));
    EXPECT_EQ(footerCell[QStringLiteral("fill")].toString(), QStringLiteral("000000"));
    // Calc writes widths in digits of its own default font, so they do not
    // come back as the 100 digits set; B and C stay equal and wide.
    const QJsonObject widths = seen[QStringLiteral("widths")].toObject();
    EXPECT_GT(widths[QStringLiteral("B")].toDouble(), 50);
    EXPECT_EQ(widths[QStringLiteral("B")].toDouble(), widths[QStringLiteral("C")].toDouble());
}

TEST_F(CalcExportTest, MembersOutsideTheModelAndBadIndexesGiveErrors) {
    automation::CLSID clsid;
    ASSERT_EQ(automation::CLSIDFromProgID(QStringLiteral("Excel.Application"), clsid),
              automation::S_OK);
    automation::DispatchPtr excel;
    ASSERT_EQ(automation::GetActiveObject(clsid, excel), automation::S_OK);
    // No workbook open: the active workbook is no object.
    EXPECT_TRUE(excel->get(QStringLiteral("ActiveWorkBook")).isEmpty());
    const auto workbook = excel->get(QStringLiteral("WorkBooks"))
                              .toDispatch()
                              ->call(QStringLiteral("Add"))
                              .toDispatch();
    const auto sheet = workbook->get(QStringLiteral("ActiveSheet")).toDispatch();
    EXPECT_THROW(excel->get(QStringLiteral("Caption")), Exception);
    EXPECT_THROW(
        sheet->get(QStringLiteral("Cells"), {automation::Variant(0), automation::Variant(1)}),
        Exception);
    EXPECT_THROW(workbook->get(QStringLiteral("WorkSheets"), {automation::Variant(2)}), Exception);
    // Calc keeps at least one sheet, as the spreadsheet does.
    EXPECT_THROW(sheet->call(QStringLiteral("Delete")), Exception);
}

}  // namespace
}  // namespace lingotab::sheets::calc
