#include "platform/ini_file.h"
#include "platform/exception.h"
#include "platform/profile_strings.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace lingotab::platform {
namespace {

class IniFileTest : public ::testing::Test {
  protected:
    QString path() const { return dir.filePath(QStringLiteral("lingotab.ini")); }
    void store(const QByteArray& bytes) {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray stored() {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QTemporaryDir dir;
};

const QString kSection = QStringLiteral("APP_WINDOW");

TEST_F(IniFileTest, ReadsTextAsTheProfileFunctionsDo) {
    store(
        "; comment\r\n[other]\r\nKey=elsewhere\r\n[app_window]\r\n"
        "  Key  =  spaced value  \r\nEmpty=\r\nQuoted=\"q\"\r\nSingle='s'\r\nHalf=\"h\r\n"
        "Key=second\r\nLong=" +
        QByteArray(3000, 'a') + "\r\n");
    const TIniFile ini(path());
    EXPECT_EQ(ini.ReadString(kSection, QStringLiteral("KEY"), QStringLiteral("d")),
              QStringLiteral("spaced value"));
    EXPECT_EQ(ini.ReadString(kSection, QStringLiteral("Empty"), QStringLiteral("d")), QString());
    EXPECT_EQ(ini.ReadString(kSection, QStringLiteral("Quoted"), {}), QStringLiteral("q"));
    EXPECT_EQ(ini.ReadString(kSection, QStringLiteral("Single"), {}), QStringLiteral("s"));
    EXPECT_EQ(ini.ReadString(kSection, QStringLiteral("Half"), {}), QStringLiteral("\"h"));
    EXPECT_EQ(ini.ReadString(kSection, QStringLiteral("Missing"), QStringLiteral("d")),
              QStringLiteral("d"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("nowhere"), QStringLiteral("Key"), QStringLiteral("d")),
              QStringLiteral("d"));
    EXPECT_EQ(ini.ReadString(kSection, QStringLiteral("Long"), {}).size(), 2047);
    EXPECT_EQ(TIniFile(dir.filePath(QStringLiteral("absent.ini")))
                  .ReadString(kSection, QStringLiteral("Key"), QStringLiteral("d")),
              QStringLiteral("d"));
}

TEST_F(IniFileTest, IntegerAndBooleanRules) {
    struct Case {
        const char* stored;
        int integer;     // ReadInteger with default 4
        bool boolTrue;   // ReadBool with default true
        bool boolFalse;  // ReadBool with default false
    };
    const Case cases[] = {
        {"V=0x10", 16, true, true}, {"V=$1A", 26, true, true},  {"V=1000", 1000, true, true},
        {"V=-3", -3, true, true},   {"V=4abc", 4, true, false}, {"V=true", 4, true, false},
        {"V=no", 4, true, false},   {"V=2", 2, true, true},     {"V=0x0", 0, false, false},
        {"V=0", 0, false, false},   {"V=", 4, true, false},     {"V=  -0x1", -1, true, true},
        {"W=1", 4, true, false},    {"V=0X", 4, true, false},
    };
    for (const Case& c : cases) {
        store(QByteArray("[APP_WINDOW]\n") + c.stored + "\n");
        const TIniFile ini(path());
        const QString key = QStringLiteral("V");
        EXPECT_EQ(ini.ReadInteger(kSection, key, 4), c.integer) << c.stored;
        EXPECT_EQ(ini.ReadBool(kSection, key, true), c.boolTrue) << c.stored;
        EXPECT_EQ(ini.ReadBool(kSection, key, false), c.boolFalse) << c.stored;
    }
}

TEST_F(IniFileTest, WritesCreateTheFileWithKeysInOrder) {
    const TIniFile ini(path());
    ini.WriteString(kSection, QStringLiteral("SkinName"), QStringLiteral("Vista (internal)"));
    ini.WriteBool(kSection, QStringLiteral("Translated"), false);
    ini.WriteBool(kSection, QStringLiteral("Vertical"), true);
    ini.WriteInteger(kSection, QStringLiteral("VerticalStrings"), -150);
    EXPECT_EQ(stored(),
              "[APP_WINDOW]\nSkinName=Vista (internal)\nTranslated=0\nVertical=1\n"
              "VerticalStrings=-150\n");
}

TEST_F(IniFileTest, WritesKeepEveryOtherLine) {
    // CR LF line ends, a comment, bytes that are no UTF-8, a blank line before
    // the next section, and no line end after the last line.
    store(
        "[APP_WINDOW]\r\nLang=EN\r\n; keep me\r\nskinname=Old\r\nbad=\xff\xfe\r\n\r\n"
        "[Other]\r\nx=1");
    const TIniFile ini(path());
    ini.WriteString(kSection, QStringLiteral("SkinName"), QStringLiteral("New"));
    ini.WriteBool(kSection, QStringLiteral("Vertical"), false);
    ini.WriteString(QStringLiteral("Third"), QStringLiteral("k"), QStringLiteral("line\nbreak"));
    EXPECT_EQ(stored(),
              "[APP_WINDOW]\r\nLang=EN\r\n; keep me\r\nskinname=New\r\nbad=\xff\xfe\r\n"
              "Vertical=0\r\n\r\n[Other]\r\nx=1\r\n\r\n[Third]\r\nk=line break");
    EXPECT_EQ(ini.ReadString(kSection, QStringLiteral("Lang"), {}), QStringLiteral("EN"));
}

TEST_F(IniFileTest, FailedWriteNamesTheFileAndLeavesItAlone) {
    // A file where the directory should be: nothing can be created below it,
    // whoever runs the test (root ignores permission bits).
    store("[APP_WINDOW]\nLang=EN\n");
    const QString blocked = path() + QStringLiteral("/lingotab.ini");
    try {
        TIniFile(blocked).WriteString(kSection, QStringLiteral("SkinName"), QStringLiteral("x"));
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Unable to write to ") + blocked);
    }
    EXPECT_EQ(stored(), "[APP_WINDOW]\nLang=EN\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("lingotab.ini")});
}

}  // namespace
}  // namespace lingotab::platform
