#include "platform/integer_text.h"

#include <gtest/gtest.h>
#include <QString>

namespace lingotab::platform {
namespace {

struct IntegerCase {
    const char16_t* text;
    std::optional<std::int32_t> value;
};

TEST(IntegerText, ReadsTheAcceptedForms) {
    const IntegerCase cases[] = {
        {u"0", 0},
        {u"42", 42},
        {u"+7", 7},
        {u"-3", -3},
        {u"   12", 12},
        {u"007", 7},
        {u"2147483647", 2147483647},
        {u"-2147483648", INT32_MIN},
        {u"$1A", 26},
        {u"$1a", 26},
        {u"x10", 16},
        {u"X10", 16},
        {u"0x10", 16},
        {u"0X0", 0},
        {u"-$10", -16},
        {u"$FFFFFFFF", -1},
        {u"$80000000", INT32_MIN},
        {u"$000000001", 1},  // leading zeros are not significant
    };
    for (const IntegerCase& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(parseInteger(text), c.value) << text.toStdString();
    }
}

TEST(IntegerText, RefusesEverythingElse) {
    const char16_t* cases[] = {
        u"",
        u" ",
        u"+",
        u"-",
        u"$",
        u"0x",
        u"x",
        u"4abc",
        u"12 ",
        u"1.5",
        u"true",
        u"no",
        u"\t5",
        u"2147483648",
        u"-2147483649",
        u"$100000000",
        u"99999999999999999999",
        u"--1",
        u"+-1",
        u"$-1",
        u"0x$5",
        u"１２",  // full-width digits are no digits
    };
    for (const char16_t* c : cases) {
        const QString text = QString::fromUtf16(c);
        EXPECT_EQ(parseInteger(text), std::nullopt) << text.toStdString();
    }
}

}  // namespace
}  // namespace lingotab::platform
