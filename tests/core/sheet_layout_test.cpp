#include "core/sheet_layout.h"

#include "core/support/printers.h"
#include "platform/exception.h"

#include <gtest/gtest.h>

using lingotab::automation::Variant;
using lingotab::automation::VariantArray2D;
using lingotab::core::buildGrid;
using lingotab::core::dateTimeText;
using lingotab::core::footerText;
using lingotab::core::gridRows;
using lingotab::core::TTranslateArr;

namespace {

// Texts that show which string-table entry went where.
QString placeholder(int id) {
    return QStringLiteral("[%1]").arg(id);
}

// The grid as rows of cell texts, "-" for an empty cell.
std::vector<std::vector<QString>> cellsOf(const VariantArray2D& grid) {
    std::vector<std::vector<QString>> rows(grid.rows());
    for (int r = 0; r < grid.rows(); ++r)
        for (int c = 0; c < grid.columns(); ++c)
            rows[r].push_back(grid.at(r, c).isEmpty() ? QStringLiteral("-")
                                                      : grid.at(r, c).toString());
    return rows;
}

const TTranslateArr kOne{{"Form.Caption", "'Orders'", ""}};

TEST(SheetLayout, HorizontalHasOneRowPerUnit) {
    EXPECT_EQ(gridRows(1, false, 4), 2);
    EXPECT_EQ(gridRows(30'000'000, false, 100), 30'000'001);
    const auto grid = buildGrid(kOne, false, 4, placeholder);
    // An empty field still gets its apostrophe; a quoted text gets a second one.
    EXPECT_EQ(cellsOf(*grid), (std::vector<std::vector<QString>>{
                                  {"[65125]", "[65128]", "[65127]"},
                                  {"'Form.Caption", "''Orders'", "'"},
                              }));
}

TEST(SheetLayout, VerticalGivesEachUnitABlockOfRows) {
    EXPECT_EQ(gridRows(1, true, 4), 5);
    // A count whose rows overflow is refused, not wrapped round.
    EXPECT_THROW(gridRows(30'000'000, true, 100), lingotab::Exception);
    EXPECT_EQ(cellsOf(*buildGrid(kOne, true, 4, placeholder)),
              (std::vector<std::vector<QString>>{
                  {"[65125]", "[65126]", "-"},
                  {"'Form.Caption", "''Orders'", "-"},
                  {"-", "'", "-"},
                  {"-", "-", "-"},
                  {"-", "-", "-"},
              }));

    // With two rows per unit the blocks follow one another without a gap.
    const TTranslateArr two{{"A", "a\nb", "а\nб"}, {"B", " 'b", "\"б\""}};
    EXPECT_EQ(gridRows(2, true, 2), 5);
    EXPECT_EQ(cellsOf(*buildGrid(two, true, 2, placeholder)), (std::vector<std::vector<QString>>{
                                                                  {"[65125]", "[65126]", "-"},
                                                                  {"'A", "'a\nb", "-"},
                                                                  {"-", "'а\nб", "-"},
                                                                  {"'B", "' 'b", "-"},
                                                                  {"-", "'\"б\"", "-"},
                                                              }));
}

TEST(SheetLayout, FooterNamesSheetProgramHomePageAndDate) {
    const QDateTime now(QDate(2026, 3, 5), QTime(14, 7, 9));
    EXPECT_EQ(footerText(QStringLiteral("Main.dfn(2)"), QStringLiteral("Lingotab v1.0 (c) us"), now,
                         QLocale(QLocale::Russian, QLocale::Russia), placeholder),
              QStringLiteral("[65129]Main.dfn(2)[65130]Lingotab v1.0 (c) us "
                             "(https://lingotab.org/products/lingotab/lingotab.htm)[65131]"
                             "05.03.2026 14:07:09"));
}

TEST(SheetLayout, DateTimeUsesRegionalFormatsAndDropsMidnight) {
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    const QLocale american(QLocale::English, QLocale::UnitedStates);
    const QDate day(2026, 3, 5);
    struct {
        QTime time;
        const QLocale& locale;
        const char* expected;
    } const cases[] = {
        {QTime(14, 7, 9), russian, "05.03.2026 14:07:09"},
        {QTime(0, 0, 0), russian, "05.03.2026"},
        {QTime(0, 0, 0, 500), russian, "05.03.2026"},  // only hours, minutes, seconds count
        {QTime(0, 0, 1), russian, "05.03.2026 00:00:01"},
        {QTime(14, 7, 9), american, "3/5/26 2:07:09 PM"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(dateTimeText(QDateTime(day, c.time), c.locale), QString::fromUtf8(c.expected))
            << c.expected;
}

}  // namespace
