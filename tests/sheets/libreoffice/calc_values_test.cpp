#include "sheets/libreoffice/calc_values.h"

#include "platform/exception.h"
#include "sheets/libreoffice/uno_text.h"

#include <gtest/gtest.h>

namespace lingotab::sheets::calc {
namespace {

using automation::Variant;
using automation::VariantArray2D;

QString textOf(const css::uno::Any& any) {
    OUString text;
    return (any >>= text) ? fromUno(text) : QStringLiteral("<no text>");
}

TEST(CalcValues, TextsStayTextsAndTheApostropheMarksText) {
    struct Case {
        QString given;
        QString stored;
    } cases[] = {
        {QStringLiteral("'123"), QStringLiteral("123")},
        {QStringLiteral("''quoted"), QStringLiteral("'quoted")},
        {QStringLiteral("'"), QString()},
        {QStringLiteral("=SUM(A1)"), QStringLiteral("=SUM(A1)")},
        {QStringLiteral("' lead\nline"), QStringLiteral(" lead\nline")},
        {QStringLiteral("Главное окно"), QStringLiteral("Главное окно")},
    };
    for (const Case& c : cases) {
        const css::uno::Any value = cellValue(Variant(c.given));
        EXPECT_EQ(value.getValueTypeClass(), css::uno::TypeClass_STRING) << c.given.toStdString();
        EXPECT_EQ(textOf(value), c.stored) << c.given.toStdString();
    }
}

TEST(CalcValues, EmptyValuesClearAndNumbersStayNumbers) {
    // Never a void value: Calc's block write can crash on it.
    for (const Variant& empty : {Variant(), Variant::null(), Variant(QString())}) {
        EXPECT_EQ(cellValue(empty).getValueTypeClass(), css::uno::TypeClass_STRING);
        EXPECT_EQ(textOf(cellValue(empty)), QString());
    }
    double number = 0;
    EXPECT_TRUE(cellValue(Variant(42)) >>= number);
    EXPECT_EQ(number, 42);
    EXPECT_THROW(cellValue(Variant(automation::DispatchPtr())), Exception);
}

TEST(CalcValues, RowsFollowTheArrayOrRepeatOneValue) {
    auto grid = std::make_shared<VariantArray2D>(2, 3);
    grid->at(0, 0) = Variant(QStringLiteral("top left"));
    grid->at(1, 2) = Variant(QStringLiteral("'bottom right"));
    const CellRows rows = cellRows(Variant(std::shared_ptr<const VariantArray2D>(grid)), 2, 3);
    ASSERT_EQ(rows.getLength(), 2);
    ASSERT_EQ(rows[1].getLength(), 3);
    EXPECT_EQ(textOf(rows[0][0]), QStringLiteral("top left"));
    EXPECT_EQ(textOf(rows[1][2]), QStringLiteral("bottom right"));
    EXPECT_EQ(textOf(rows[0][1]), QString());

    const CellRows repeated = cellRows(Variant(QStringLiteral("x")), 2, 2);
    EXPECT_EQ(textOf(repeated[1][1]), QStringLiteral("x"));

    // An array of another shape would leave cells of the range unwritten or
    // drop values: refused before anything is written.
    EXPECT_THROW(cellRows(Variant(std::shared_ptr<const VariantArray2D>(grid)), 3, 3), Exception);
}

TEST(CalcValues, ColoursWidthsAndAlignments) {
    EXPECT_EQ(unoColor(0xC0C0C0), 0xC0C0C0);
    EXPECT_EQ(unoColor(0x0000FF), 0xFF0000);  // red lives in the lowest byte
    EXPECT_EQ(unoColor(0x123456), 0x563412);
    EXPECT_EQ(unoColor(0xFFFFFF), 0xFFFFFF);

    // 100 digits: 705 pixels at 96 dpi.
    EXPECT_EQ(unoColumnWidth(100), 18653);
    EXPECT_EQ(unoColumnWidth(0), 0);
    EXPECT_GT(unoColumnWidth(8.43), unoColumnWidth(8));
    EXPECT_THROW(unoColumnWidth(256), Exception);
    EXPECT_THROW(unoColumnWidth(-1), Exception);

    EXPECT_EQ(unoHorizontalAlignment(-4108), css::table::CellHoriJustify_CENTER);
    EXPECT_EQ(unoHorizontalAlignment(-4131), css::table::CellHoriJustify_LEFT);
    EXPECT_THROW(unoHorizontalAlignment(12345), Exception);
}

}  // namespace
}  // namespace lingotab::sheets::calc
