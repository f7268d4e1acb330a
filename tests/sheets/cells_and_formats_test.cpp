// Values, formats and widths of a worksheet as the object model sets them.
#include "sheets/embedded/autofit.h"
#include "sheets/embedded/sheet_model.h"
#include "sheets/support/engine_session.h"

#include <gtest/gtest.h>

namespace lingotab::sheets {
namespace {

using automation::Variant;
using automation::VariantArray2D;
using test::errorOf;

std::shared_ptr<const VariantArray2D> grid(
    std::initializer_list<std::initializer_list<QString>> rows) {
    auto array = std::make_shared<VariantArray2D>(static_cast<int>(rows.size()),
                                                  static_cast<int>(rows.begin()->size()));
    int r = 0;
    for (const auto& row : rows) {
        int c = 0;
        for (const QString& value : row) {
            if (!value.isNull()) array->at(r, c) = Variant(value);
            ++c;
        }
        ++r;
    }
    return array;
}

TEST(CellGrid, ArrayFillsTheRangeAndTextPrefixIsNotText) {
    CellGrid cells;
    cells.assign({2, 1, 3, 2}, *grid({{QStringLiteral("Header"), QStringLiteral("'123")},
                                      {QStringLiteral("'"), QString()}}));
    ASSERT_EQ(cells.rowCount(), 3);
    EXPECT_TRUE(cells.row(1).empty());
    EXPECT_EQ(cells.row(2)[0], QStringLiteral("Header"));
    EXPECT_FALSE(hasTextPrefix(cells.row(2)[0]));
    EXPECT_TRUE(hasTextPrefix(cells.row(2)[1]));
    EXPECT_EQ(cellText(cells.row(2)[1]), u"123");
    EXPECT_EQ(cellText(cells.row(3)[0]), u"");  // an apostrophe alone: an empty text
    EXPECT_TRUE(hasTextPrefix(cells.row(3)[0]));
    EXPECT_TRUE(cells.row(3).size() < 2 || cells.row(3)[1].isEmpty());
}

TEST(CellGrid, RefusedAssignmentsChangeNothing) {
    CellGrid cells;
    cells.assign(CellArea::cell(1, 1), Variant(QStringLiteral("kept")));
    const QString longest = QLatin1Char('\'') + QString(kMaxCellText, u'x');
    const QString tooLong = QString(kMaxCellText + 1, u'x');
    EXPECT_EQ(errorOf([&] {
                  cells.assign({1, 1, 1, 2}, *grid({{longest, tooLong}}));
              }),
              QStringLiteral("The text for cell B1 is 32768 characters long; a cell holds at "
                             "most 32,767 characters."));
    EXPECT_TRUE(errorOf([&] {
                    cells.assign({1, 1, 2, 1}, *grid({{longest, longest}}));
                }).contains(u"does not fit the range A1:A2"));
    EXPECT_TRUE(errorOf([&] {
                    cells.assign(CellArea::cell(1, 1), Variant(42));
                }).startsWith(u"Type mismatch"));
    EXPECT_TRUE(errorOf([&] {
                    cells.assign(CellArea::rows(1, 1), Variant(QStringLiteral("x")));
                }).contains(u"not to whole rows"));
    EXPECT_EQ(cells.row(1)[0], QStringLiteral("kept"));
    // The apostrophe is not counted: 32,767 characters of text fit.
    cells.assign(CellArea::cell(1, 2), Variant(longest));
    EXPECT_EQ(cellText(cells.row(1)[1]).size(), kMaxCellText);
}

TEST(CellGrid, CellNames) {
    EXPECT_EQ(cellName(1, 1), QStringLiteral("A1"));
    EXPECT_EQ(cellName(7, 26), QStringLiteral("Z7"));
    EXPECT_EQ(cellName(2, 27), QStringLiteral("AA2"));
    EXPECT_EQ(cellName(kMaxRows, kMaxColumns), QStringLiteral("XFD1048576"));
}

// The formatting an export makes on a sheet of R = 3 rows, footer on row 4.
FormatLayers exportFormats() {
    FormatLayers f;
    const auto change = [&](const CellArea& area, auto set) {
        CellFormat c;
        set(c);
        f.add(area, c);
    };
    change(CellArea::rows(1, 1), [](CellFormat& c) { c.bold = true; });
    change(CellArea::rows(1, 1), [](CellFormat& c) { c.alignment = HorizontalAlignment::Center; });
    change(CellArea::rows(1, 1), [](CellFormat& c) { c.fillColor = 0xC0C0C0; });
    change(CellArea::columns(1, 1), [](CellFormat& c) { c.fillColor = 0xC0C0C0; });
    change(CellArea::all(), [](CellFormat& c) { c.fontName = QStringLiteral("Courier"); });
    change(CellArea::all(), [](CellFormat& c) { c.fontSize = 10; });
    change(CellArea::rows(4, 4), [](CellFormat& c) { c.fontSize = 8; });
    change(CellArea::rows(4, 4), [](CellFormat& c) { c.fontColor = 0xFFFFFF; });
    change(CellArea::rows(4, 4), [](CellFormat& c) { c.fillColor = 0; });
    return f;
}

TEST(FormatLayers, LaterChangesWinWhereRowsAndColumnsCross) {
    const FormatLayers f = exportFormats();
    CellFormat header;
    header.bold = true;
    header.alignment = HorizontalAlignment::Center;
    header.fillColor = 0xC0C0C0;
    header.fontName = QStringLiteral("Courier");
    header.fontSize = 10;
    EXPECT_EQ(f.formatAt(1, 1), header);
    EXPECT_EQ(f.formatAt(1, 2), header);

    CellFormat columnA;
    columnA.fillColor = 0xC0C0C0;
    columnA.fontName = QStringLiteral("Courier");
    columnA.fontSize = 10;
    EXPECT_EQ(f.formatAt(2, 1), columnA);
    EXPECT_EQ(f.formatAt(1000, 1), columnA);

    CellFormat plain;
    plain.fontName = QStringLiteral("Courier");
    plain.fontSize = 10;
    EXPECT_EQ(f.formatAt(2, 2), plain);
    EXPECT_EQ(f.formatAt(kMaxRows, kMaxColumns), plain);

    // The footer row's black fill, made later, overrides column A's grey.
    CellFormat footer = plain;
    footer.fontSize = 8;
    footer.fontColor = 0xFFFFFF;
    footer.fillColor = 0;
    EXPECT_EQ(f.formatAt(4, 1), footer);
    EXPECT_EQ(f.formatAt(4, 3), footer);
    EXPECT_EQ(f.rowFormat(4), footer);
    EXPECT_EQ(f.rowFormat(1), header);
    EXPECT_EQ(f.rowFormat(2), std::nullopt);
}

TEST(FormatLayers, AnEarlierRowFormatLosesToALaterColumnFormat) {
    FormatLayers f;
    CellFormat red, blue;
    red.fillColor = 0x0000FF;
    blue.fillColor = 0xFF0000;
    f.add(CellArea::rows(2, 2), red);
    f.add(CellArea::columns(3, 3), blue);
    EXPECT_EQ(f.formatAt(2, 3).fillColor, 0xFF0000);
    EXPECT_EQ(f.formatAt(2, 4).fillColor, 0x0000FF);
    f.add(CellArea::cell(2, 3), red);  // one cell, later still
    EXPECT_EQ(f.formatAt(2, 3).fillColor, 0x0000FF);
    EXPECT_EQ(f.formatAt(3, 3).fillColor, 0xFF0000);
}

TEST(AutoFit, WidthFollowsTheDocumentedRule) {
    const CellFont courier10{QStringLiteral("Courier"), 10, false};
    const struct {
        QString text;
        CellFont font;
        double width;
    } cases[] = {
        {QStringLiteral("Имя ресурса"), courier10, 12.58},  // 11 x 8 px / 7 px
        {QStringLiteral("Имя ресурса"), {QStringLiteral("Courier"), 10, true}, 12.58},
        {QStringLiteral("abcdefg"), courier10, 8.0},
        {QStringLiteral("short\r\nthe longest line\nmid"), courier10, 18.29},  // 16 characters
        {QStringLiteral("😀😀"), courier10, 2.29},  // two characters, four UTF-16 units
        {QStringLiteral("abcdefg"), {QStringLiteral("Courier"), 20, false}, 16.0},  // 16 px each
        {QString(300, u'x'), courier10, 255.0},
        {QString(), courier10, 0.0},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(fittedColumnWidth(c.text, c.font), c.width) << c.text.toStdString();
}

TEST(AutoFit, FitsTheColumnsToTheValuesPresentWithTheirFonts) {
    SheetModel sheet(QStringLiteral("s"));
    sheet.cells().assign({1, 1, 3, 2}, *grid({{QStringLiteral("Header"), QStringLiteral("b")},
                                              {QStringLiteral("'res.name"), QString()},
                                              {QStringLiteral("'x"), QString()}}));
    CellFormat big;
    big.fontSize = 20;  // 16 px a character
    sheet.formats().add(CellArea::rows(3, 3), big);
    sheet.widths().set(3, 3, 40);
    sheet.autoFitColumns(CellArea::columns(1, 3));
    // Column A: "res.name", 8 characters of the default 11-point font (9 px
    // each) against "x" at 16 px.
    EXPECT_DOUBLE_EQ(sheet.widths().widthOf(1), 10.29);
    EXPECT_DOUBLE_EQ(sheet.widths().widthOf(2), 1.29);
    EXPECT_DOUBLE_EQ(sheet.widths().widthOf(3), 40.0);  // no values: kept
    // A value written after the fit takes no part in it.
    sheet.cells().assign(CellArea::cell(4, 1), Variant(QString(100, u'f')));
    EXPECT_DOUBLE_EQ(sheet.widths().widthOf(1), 10.29);
}

}  // namespace
}  // namespace lingotab::sheets
