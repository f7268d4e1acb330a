// Exports through the engine and reads the saved file back with an
// independent reader: cells, sheet names, fonts, fills, widths.
#include "core/export_translations.h"
#include "sheets/support/engine_session.h"
#include "sheets/support/export_run.h"
#include "sheets/support/xlsx_reader.h"

#include <gtest/gtest.h>
#include <QJsonArray>

namespace lingotab::test {
namespace {

const QString kGrey = QStringLiteral("FFC0C0C0");
const QString kBlack = QStringLiteral("FF000000");
const QString kWhite = QStringLiteral("FFFFFFFF");

QJsonObject exported(bool vertical, int rowsPerUnit = 4) {
    EngineSession session;
    core::ExportTranslations(sampleUnits(), vertical,
                             exportContext(QStringLiteral("/work/files/Main.dfn"), rowsPerUnit));
    EXPECT_EQ(session.saved, QStringList{session.workbookDir + QStringLiteral("/Book1.xlsx")});
    if (session.saved.isEmpty()) return {};
    const QJsonObject book = readXlsx(session.saved.front());
    EXPECT_EQ(book[u"sheets"].toArray(), QJsonArray{QStringLiteral("Main.dfn")});
    EXPECT_EQ(book[u"active"].toString(), QStringLiteral("Main.dfn"));
    return book[u"Main.dfn"].toObject();
}

QJsonObject cell(const QJsonObject& sheet, const char* name) {
    return sheet[u"cells"][QLatin1String(name)].toObject();
}

// A data cell: the text without its apostrophe, kept as text.
void expectText(const QJsonObject& sheet, const char* name, const QString& text) {
    const QJsonObject c = cell(sheet, name);
    EXPECT_EQ(c[u"value"].toString(), text) << name;
    EXPECT_EQ(c[u"type"].toString(), QStringLiteral("s")) << name;
    EXPECT_EQ(c[u"numfmt"].toString(), QStringLiteral("@")) << name;
    EXPECT_EQ(c[u"font"].toString(), QStringLiteral("Courier")) << name;
    EXPECT_EQ(c[u"size"].toDouble(), 10.0) << name;
}

TEST(XlsxReadback, HorizontalSheet) {
    const QJsonObject sheet = exported(false);
    ASSERT_FALSE(sheet.isEmpty());

    const QJsonObject a1 = cell(sheet, "A1");
    EXPECT_EQ(a1[u"value"].toString(), QStringLiteral("S65125"));
    EXPECT_TRUE(a1[u"bold"].toBool());
    EXPECT_EQ(a1[u"align"].toString(), QStringLiteral("center"));
    EXPECT_EQ(a1[u"fill"].toString(), kGrey);
    EXPECT_EQ(a1[u"numfmt"].toString(), QStringLiteral("General"));
    EXPECT_EQ(cell(sheet, "B1")[u"value"].toString(), QStringLiteral("S65128"));
    EXPECT_EQ(cell(sheet, "C1")[u"value"].toString(), QStringLiteral("S65127"));

    expectText(sheet, "A2", QStringLiteral("TForm1.Caption"));
    EXPECT_EQ(cell(sheet, "A2")[u"fill"].toString(), kGrey);
    EXPECT_TRUE(cell(sheet, "B2")[u"fill"].isNull());
    expectText(sheet, "B2", QStringLiteral("'Main window'"));  // the second apostrophe stays
    expectText(sheet, "C2", QStringLiteral("Главное окно"));
    expectText(sheet, "B3", QStringLiteral("\"Two\r\nlines\""));
    expectText(sheet, "A4", QStringLiteral("007"));
    expectText(sheet, "B4", QStringLiteral("'=1+1"));
    expectText(sheet, "C4", QStringLiteral("  leading blanks"));
    expectText(sheet, "A5", QStringLiteral("res_x0041_"));
    expectText(sheet, "C5", QStringLiteral("12.5"));
    // An empty target: the apostrophe alone, a text cell with nothing in it.
    EXPECT_TRUE(cell(sheet, "C3")[u"value"].isNull());
    EXPECT_EQ(cell(sheet, "C3")[u"numfmt"].toString(), QStringLiteral("@"));

    const QJsonObject footer = cell(sheet, "A6");
    EXPECT_TRUE(footer[u"value"].toString().startsWith(
        QStringLiteral("S65129Main.dfnS65130Lingotab v1.0 test (")));
    EXPECT_EQ(footer[u"size"].toDouble(), 8.0);
    EXPECT_EQ(footer[u"color"].toString(), kWhite);
    EXPECT_EQ(footer[u"fill"].toString(), kBlack);
    EXPECT_EQ(footer[u"font"].toString(), QStringLiteral("Courier"));

    // Whole rows: the header row and the footer row across the sheet.
    const QJsonObject row1 = sheet[u"rows"][u"1"].toObject();
    EXPECT_TRUE(row1[u"bold"].toBool());
    EXPECT_EQ(row1[u"fill"].toString(), kGrey);
    const QJsonObject row6 = sheet[u"rows"][u"6"].toObject();
    EXPECT_EQ(row6[u"fill"].toString(), kBlack);
    EXPECT_EQ(row6[u"size"].toDouble(), 8.0);
    EXPECT_FALSE(sheet[u"rows"].toObject().contains(u"2"));

    // Whole columns: A grey and fitted to "TForm1.Label1.Caption" (21
    // characters of 8 px: 168 / 7 = 24); B and C 100; D to XFD in Courier.
    const QJsonObject columns = sheet[u"columns"].toObject();
    EXPECT_EQ(columns[u"A"][u"fill"].toString(), kGrey);
    EXPECT_EQ(columns[u"A"][u"font"].toString(), QStringLiteral("Courier"));
    EXPECT_NEAR(columns[u"A"][u"width"].toDouble(), 24.0, 0.72);
    EXPECT_NEAR(columns[u"B"][u"width"].toDouble(), 100.0, 0.72);
    EXPECT_NEAR(columns[u"C"][u"width"].toDouble(), 100.0, 0.72);
    const QJsonObject rest = columns[u"D"].toObject();
    EXPECT_EQ(rest[u"max"].toInt(), 16384);
    EXPECT_EQ(rest[u"font"].toString(), QStringLiteral("Courier"));
    EXPECT_EQ(rest[u"size"].toDouble(), 10.0);
    EXPECT_TRUE(rest[u"fill"].isNull());
}

TEST(XlsxReadback, VerticalSheet) {
    const QJsonObject sheet = exported(true, 3);
    ASSERT_FALSE(sheet.isEmpty());
    EXPECT_EQ(cell(sheet, "B1")[u"value"].toString(), QStringLiteral("S65126"));
    EXPECT_FALSE(sheet[u"cells"].toObject().contains(u"C1"));
    expectText(sheet, "A2", QStringLiteral("TForm1.Caption"));
    expectText(sheet, "B2", QStringLiteral("'Main window'"));
    expectText(sheet, "B3", QStringLiteral("Главное окно"));
    EXPECT_TRUE(cell(sheet, "A3")[u"value"].isNull());
    expectText(sheet, "A5", QStringLiteral("TForm1.Label1.Caption"));
    EXPECT_EQ(cell(sheet, "A14")[u"fill"].toString(), kBlack);  // footer: row 4 x 3 + 2
    // Column B fitted to its longest line, "  leading blanks" (16 characters).
    EXPECT_NEAR(sheet[u"columns"][u"B"][u"width"].toDouble(), 128.0 / 7, 0.72);
}

}  // namespace
}  // namespace lingotab::test
