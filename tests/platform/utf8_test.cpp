#include "platform/text/utf8.h"

#include <QByteArray>

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* name;
    QByteArray bytes;
    bool valid;
};

TEST(StrictUtf8, AcceptsWellFormedAndRefusesEveryMalformedShape) {
    const Case cases[] = {
        {"empty", "", true},
        {"ascii longer than a word", "<trans-unit resname=\"x\">", true},
        {"cyrillic", "\xD0\x9F\xD0\xB5\xD1\x80\xD0\xB5\xD0\xB2\xD0\xBE\xD0\xB4", true},
        {"three-byte euro", "\xE2\x82\xAC", true},
        {"four-byte emoji", "\xF0\x9F\x98\x80", true},
        {"highest code point", "\xF4\x8F\xBF\xBF", true},
        {"stray continuation", "abc\x80", false},
        {"overlong slash", "\xC0\xAF", false},
        {"overlong three-byte", "\xE0\x80\xAF", false},
        {"overlong four-byte", "\xF0\x80\x80\xAF", false},
        {"encoded surrogate", "\xED\xA0\x80", false},
        {"above U+10FFFF", "\xF4\x90\x80\x80", false},
        {"truncated at end", "abcdefgh\xD0", false},
        {"bad second byte", "\xD0\x41", false},
        {"bad third byte", "\xE2\x82\x41", false},
        {"latin-1 text", "caf\xE9 au lait", false},
    };
    for (const Case& c : cases) EXPECT_EQ(lingotab::isStrictUtf8(c.bytes), c.valid) << c.name;
}

}  // namespace
