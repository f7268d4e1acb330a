// The text sets, the resource module shipped with the program, the message
// boxes' title and full-stop rules, the read-me encodings and the locale
// value with the pruning of its keys.

#include "platform/application_title.h"
#include "app/locale_value.h"
#include "app/message_boxes.h"
#include "app/read_me.h"
#include "app/texts/builtin_strings.h"
#include "app/texts/text_set.h"
#include "platform/exception.h"
#include "platform/registry.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace lingotab::app {
namespace {

using namespace lingotab::platform;

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

bool keyExists(const QString& path) {
    HKEY key = 0;
    if (RegOpenKeyEx(HKEY_CURRENT_USER, path, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

class TextsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        QDir(qEnvironmentVariable("LINGOTAB_REGISTRY_DIR")).removeRecursively();
        exe = dir.filePath(QStringLiteral("Lingotab"));
    }
    QTemporaryDir dir;
    QString exe;
};

const QByteArray kModuleWithForm =
    "LINGOTAB RESOURCE MODULE 1\n[STRINGTABLE]\n65120=EN\n[TForm1]\nsBitBtn1.Caption=Open\n";

TEST_F(TextsTest, ChoosesTheModuleOrTheBuiltInSet) {
    writeFile(exe + QStringLiteral(".EN"), kModuleWithForm);
    writeFile(exe + QStringLiteral(".DE"), "not a module");

    const TextSet builtin = chooseTextSet(exe, {QStringLiteral("FR")});
    EXPECT_EQ(builtin.moduleFileName(), QString());
    EXPECT_EQ(builtin.string(sLanguageCode), QStringLiteral("RU"));
    EXPECT_EQ(builtin.windowDescription(QStringLiteral("TForm1"))
                  .text(QStringLiteral("sBitBtn1.Caption")),
              QStringLiteral("Открыть .dfn или .rcn-файл"));

    const TextSet english = chooseTextSet(exe, {QStringLiteral("en-US"), QStringLiteral("EN")});
    EXPECT_EQ(english.moduleFileName(), exe + QStringLiteral(".EN"));
    EXPECT_EQ(english.string(sLanguageCode), QStringLiteral("EN"));
    EXPECT_EQ(english.string(sNothingToExport), QString());  // the module is the only source
    const TWindowDescription form = english.windowDescription(QStringLiteral("TForm1"));
    EXPECT_EQ(form.text(QStringLiteral("sBitBtn1.Caption")), QStringLiteral("Open"));
    EXPECT_EQ(form.integer(QStringLiteral("sBitBtn1.Width")), 161);  // left out: built-in value

    // A candidate that is no module gives the built-in set; the search stops there.
    EXPECT_EQ(chooseTextSet(exe, {QStringLiteral("DE"), QStringLiteral("EN")}).moduleFileName(),
              QString());

    // The override of the locale key wins over the interface languages.
    HKEY key = 0;
    ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, QStringLiteral("Software\\Embarcadero\\Locales"),
                             KEY_ALL_ACCESS, &key),
              ERROR_SUCCESS);
    RegSetValueEx(key, exe, REG_SZ, QStringLiteral("FR"));
    RegCloseKey(key);
    EXPECT_EQ(chooseTextSet(exe, {QStringLiteral("EN")}).moduleFileName(), QString());
}

TEST_F(TextsTest, ModuleWithoutTheWindowStopsTheStart) {
    writeFile(exe + QStringLiteral(".EN"), "LINGOTAB RESOURCE MODULE 1\n[STRINGTABLE]\n65120=EN\n");
    const TextSet texts = chooseTextSet(exe, {QStringLiteral("EN")});
    try {
        texts.windowDescription(QStringLiteral("TForm1"));
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Resource TForm1 not found"));
    }
}

TEST(ShippedModule, TranslatesEveryStringAndEveryWindowText) {
    const auto module =
        ResourceModule::load(test::sourcePath(QStringLiteral("app/resources/Lingotab.EN")));
    ASSERT_TRUE(module);
    for (int id = sLanguageCode; id <= sFooterDate; ++id) {
        EXPECT_FALSE(builtinString(id).isEmpty()) << id;
        EXPECT_FALSE(module->LoadString(id).isEmpty()) << id;
    }
    EXPECT_EQ(module->LoadString(sLanguageCode), QStringLiteral("EN"));
    const Properties* form = module->FindResource(QStringLiteral("TForm1"));
    ASSERT_TRUE(form);
    const Properties& builtin = builtinForm1Description();
    for (auto it = builtin.begin(); it != builtin.end(); ++it)
        EXPECT_TRUE(form->contains(it.key())) << it.key().toStdString();
    EXPECT_EQ(form->size(), builtin.size());
    // The footer pieces keep their blanks at the ends.
    EXPECT_TRUE(module->LoadString(sFooterGenerated).endsWith(u' '));
    EXPECT_TRUE(module->LoadString(sFooterDate).endsWith(u' '));
}

TEST(MessageBoxes, TitleAndFullStopRules) {
    EXPECT_EQ(applicationTitle(QStringLiteral("Lingotab")), QStringLiteral("Lingotab"));
    EXPECT_EQ(applicationTitle(QStringLiteral("LINGOTAB.EXE")), QStringLiteral("Lingotab"));
    EXPECT_EQ(applicationTitle(QStringLiteral("my.tool.bin")), QStringLiteral("my"));

    std::vector<MessageBoxCall> calls;
    setMessageBoxHook([&calls](const MessageBoxCall& call) { calls.push_back(call); });
    const std::pair<const char*, const char*> errors[] = {
        {"Unable to write to /x/lingotab.ini", "Unable to write to /x/lingotab.ini."},
        {"Done.", "Done."},
        {"Why?", "Why?."},   // "?" sorts after "." too
        {"Stop!", "Stop!"},  // "!" sorts before "."
        {"a-", "a-"},        // so does "-"
        {"(1)", "(1)"},
        {"", ""},
    };
    for (const auto& [message, shown] : errors) ShowErrorBox(nullptr, QString::fromUtf8(message));
    ShowMessage(nullptr, QStringLiteral("plain"));
    setMessageBoxHook({});

    ASSERT_EQ(calls.size(), std::size(errors) + 1);
    for (size_t i = 0; i < std::size(errors); ++i) {
        EXPECT_EQ(calls[i].text, QString::fromUtf8(errors[i].second)) << errors[i].first;
        EXPECT_EQ(calls[i].icon, MessageBoxCall::kError);
        EXPECT_EQ(calls[i].title, ApplicationTitle());
    }
    EXPECT_EQ(calls.back().text, QStringLiteral("plain"));
    EXPECT_EQ(calls.back().icon, MessageBoxCall::kNone);
}

TEST_F(TextsTest, ReadMeEncodingsByByteOrderMark) {
    const QString text = QStringLiteral("Привет\r\nмир");
    const auto utf16 = [&text](bool bigEndian) {
        QByteArray bytes = bigEndian ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE");
        for (const QChar c : text) {
            const char high = char(c.unicode() >> 8), low = char(c.unicode() & 0xFF);
            bytes += bigEndian ? QByteArray{&high, 1} + QByteArray{&low, 1}
                               : QByteArray{&low, 1} + QByteArray{&high, 1};
        }
        return bytes;
    };
    const std::pair<const char*, QByteArray> cases[] = {
        {"utf8", "\xEF\xBB\xBF" + text.toUtf8()},
        {"le", utf16(false)},
        {"be", utf16(true)},
    };
    for (const auto& [name, bytes] : cases) {
        const QString path = dir.filePath(QLatin1String(name));
        writeFile(path, bytes);
        EXPECT_EQ(ReadTextFile(path), text) << name;
    }
    EXPECT_EQ(ReadTextFile(dir.filePath(QStringLiteral("missing"))), std::nullopt);
}

TEST_F(TextsTest, LocaleValueAndPruning) {
    const QString locales = QStringLiteral("Software\\Embarcadero\\Locales");
    const QString vendor = QStringLiteral("Software\\Embarcadero");

    WriteLocaleValue(QStringLiteral("EN"), exe);
    QString data;
    HKEY key = 0;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, locales, KEY_READ, &key), ERROR_SUCCESS);
    EXPECT_EQ(RegQueryValueEx(key, exe, nullptr, &data), ERROR_SUCCESS);
    EXPECT_EQ(data, QStringLiteral("EN"));
    RegCloseKey(key);

    // Another program's value keeps the key.
    ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, locales, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
    RegSetValueEx(key, QStringLiteral("/other/program"), REG_SZ, QStringLiteral("DE"));
    RegCloseKey(key);
    DeleteLocaleValue(exe);
    EXPECT_TRUE(keyExists(locales));

    // Without it both keys go; a sibling of Locales would keep the vendor key.
    ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, locales, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
    RegDeleteValue(key, QStringLiteral("/other/program"));
    RegCloseKey(key);
    DeleteLocaleValue(exe);
    EXPECT_FALSE(keyExists(locales));
    EXPECT_FALSE(keyExists(vendor));
    EXPECT_TRUE(keyExists(QStringLiteral("Software")));

    ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, vendor + QStringLiteral("\\Studio"), KEY_ALL_ACCESS,
                             &key),
              ERROR_SUCCESS);
    RegCloseKey(key);
    DeleteLocaleValue(exe);  // creates Locales, finds it empty, deletes it
    EXPECT_FALSE(keyExists(locales));
    EXPECT_TRUE(keyExists(vendor));
}

}  // namespace
}  // namespace lingotab::app
