// The main window on real widgets: start and close with the settings file,
// the language steps, file intake by drop and dialog, the export button.

#include "app/form1.h"
#include "app/message_boxes.h"
#include "app/support/recording_spreadsheet.h"
#include "app/texts/builtin_strings.h"
#include "platform/registry.h"
#include "skins/controls/ts_bit_btn.h"
#include "skins/controls/ts_check_box.h"
#include "skins/controls/ts_label.h"
#include "skins/controls/ts_memo.h"
#include "skins/controls/ts_panel.h"
#include "skins/controls/ts_spin_edit.h"
#include "skins/manager/skin_manager.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

namespace lingotab::app {
namespace {

using namespace lingotab::platform;

const TextSet kBuiltin;

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QByteArray kSmallDfn =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
    "<!DOCTYPE xliff>\n"
    "<xliff><file source-language=\"en\" target-language=\"ru\"><header/><body>\n"
    "<trans-unit resname=\"A\"><source>'One'</source><target>'Один'</target></trans-unit>\n"
    "<trans-unit resname=\"B\"><source>'Two'</source></trans-unit>\n"
    "</body></file></xliff>\n";

class Form1Test : public ::testing::Test {
  protected:
    void SetUp() override {
        QDir(qEnvironmentVariable("LINGOTAB_REGISTRY_DIR")).removeRecursively();
        previousDir = QDir::currentPath();
        QDir::setCurrent(dir.path());  // where the read-me is looked for
        exe = dir.filePath(QStringLiteral("Lingotab"));
        ini = dir.filePath(QStringLiteral("lingotab.ini"));
        setMessageBoxHook([this](const MessageBoxCall& call) { boxes.push_back(call); });
    }
    void TearDown() override {
        setMessageBoxHook({});
        TsOpenDialog::setExecuteHook({});
        QDir::setCurrent(previousDir);
    }
    std::unique_ptr<TForm1> start(const QString& moduleFileName = {}) {
        auto form =
            std::make_unique<TForm1>(kBuiltin, moduleFileName.isEmpty() ? exe : moduleFileName);
        form->show();
        return form;
    }
    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    QStringList boxTexts() const {
        QStringList texts;
        for (const MessageBoxCall& box : boxes) texts.append(box.text);
        return texts;
    }

    QTemporaryDir dir;
    QString previousDir;
    QString exe;
    QString ini;
    std::vector<MessageBoxCall> boxes;
};

TEST_F(Form1Test, StartsWithDefaultsLayoutAndTabOrder) {
    auto form = start();
    EXPECT_EQ(form->ExeDir(), dir.path() + u'/');
    EXPECT_EQ(form->ExeName(), QStringLiteral("Lingotab"));
    EXPECT_FALSE(form->sCheckBox1->isChecked());
    EXPECT_TRUE(form->sCheckBox2->isChecked());
    EXPECT_EQ(form->sSpinEdit1->text(), QStringLiteral("4"));
    EXPECT_TRUE(form->sSpinEdit1->isEnabled());
    EXPECT_FALSE(form->sBitBtn2->isEnabled());
    EXPECT_EQ(form->sMemo1->Text(), QString());
    EXPECT_EQ(form->focusWidget(), form->sMemo1);
    EXPECT_FALSE(QFile::exists(ini));  // nothing written at start
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(form->windowTitle().left(14), QStringLiteral("Lingotab v1.0 "));

    // Tab order: the text area, then the panel's controls.
    const std::vector<QWidget*> order{form->sMemo1,     form->sBitBtn1,   form->sBitBtn2,
                                      form->sSpinEdit1, form->sCheckBox1, form->sCheckBox2};
    std::vector<QWidget*> chain;
    QWidget* w = form->sMemo1;
    do {
        if (std::find(order.begin(), order.end(), w) != order.end()) chain.push_back(w);
        w = w->nextInFocusChain();
    } while (w != form->sMemo1 && chain.size() < 10);
    EXPECT_EQ(chain, order);

    // The panel keeps its height, the right-hand group its distance from the
    // right edge, the text area takes the rest.
    // The skinned frame keeps its margins around the client area.
    const QRect client = form->contentsRect();
    form->resize(QSize(1000, 400) + form->size() - client.size());
    EXPECT_EQ(form->sPanel1->geometry(), QRect(client.topLeft(), QSize(1000, 32)));
    EXPECT_EQ(form->sMemo1->geometry(), QRect(client.topLeft() + QPoint(0, 32), QSize(1000, 368)));
    EXPECT_EQ(form->sBitBtn1->geometry(), QRect(3, 3, 161, 25));
    EXPECT_EQ(form->sBitBtn2->geometry(), QRect(685 + 208, 3, 103, 25));
    // Anchored right: the right edge keeps its distance (a skin may size the box).
    EXPECT_EQ(form->sCheckBox1->geometry().right() + 1, 195 + 153 + 208);
    EXPECT_EQ(form->sSpinEdit1->x(), 536 + 208);
    // The bound label ends 4 pixels before the spin box.
    EXPECT_EQ(form->sSpinEdit1->BoundLabel()->geometry().right() + 1 + 4, form->sSpinEdit1->x());
    const QSize frame = form->frameGeometry().size() - form->size();
    EXPECT_EQ(form->minimumSize() + frame, QSize(800, 200));
}

TEST_F(Form1Test, CloseWritesTheKeysInOrderAndTheNextStartReadsThem) {
    {
        auto form = start();
        form->sCheckBox1->setChecked(true);
        form->sSpinEdit1->setText(QStringLiteral("150"));  // still focused: not yet clamped
        EXPECT_TRUE(form->close());
        EXPECT_EQ(readFile(ini),
                  "[APP_WINDOW]\nSkinName=" + form->sSkinManager1->skinName().toUtf8() +
                      "\nTranslated=1\nVertical=1\nVerticalStrings=150\n");
    }
    auto form = start();
    EXPECT_TRUE(form->sCheckBox1->isChecked());
    EXPECT_EQ(form->sSpinEdit1->text(), QStringLiteral("100"));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Form1Test, CloseIsAbandonedWhileTheSettingsCannotBeWritten) {
    // The executable's "directory" is a file, so nothing can be created in it
    // even for root, who ignores permission bits.
    writeFile(path("blocker"), "");
    auto form = start(path("blocker") + QStringLiteral("/Lingotab"));
    const QString message =
        QStringLiteral("Unable to write to ") + path("blocker") + QStringLiteral("/lingotab.ini.");
    EXPECT_FALSE(form->close());
    EXPECT_FALSE(form->close());  // every attempt tries again
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(boxTexts(), (QStringList{message, message}));
    EXPECT_EQ(boxes.front().icon, MessageBoxCall::kError);
}

TEST_F(Form1Test, FirstShowReadsTheOptions) {
    struct Case {
        const char* settings;
        bool translated, vertical;
        const char* rows;
    };
    const Case cases[] = {
        {"Vertical=0\n", false, false, "4"},
        {"Vertical=no\nTranslated=true\n", false, true, "4"},
        {"Vertical=0x0\nTranslated=2\n", true, false, "4"},
        {"VerticalStrings=1000\n", false, true, "100"},
        {"VerticalStrings=-3\n", false, true, "2"},
        {"VerticalStrings=0x10\n", false, true, "16"},
        {"VerticalStrings=$1A\n", false, true, "26"},
        {"VerticalStrings=4abc\n", false, true, "4"},
    };
    for (const Case& c : cases) {
        writeFile(ini, QByteArray("[APP_WINDOW]\n") + c.settings);
        auto form = start();
        EXPECT_EQ(form->sCheckBox1->isChecked(), c.translated) << c.settings;
        EXPECT_EQ(form->sCheckBox2->isChecked(), c.vertical) << c.settings;
        EXPECT_EQ(form->sSpinEdit1->isEnabled(), c.vertical) << c.settings;
        EXPECT_EQ(form->sSpinEdit1->text(), QLatin1String(c.rows)) << c.settings;
    }
}

TEST_F(Form1Test, LanguageCodeWritesTheLocaleValueAndShowsItsReadMe) {
    writeFile(ini, "[APP_WINDOW]\nLang=EN\n");
    writeFile(path("ReadMe!.EN"), "\xEF\xBB\xBFHello\nreader");
    auto form = start();
    EXPECT_EQ(form->sMemo1->Text(), QStringLiteral("Hello\r\nreader"));
    EXPECT_EQ(form->ReadMeLines(),
              (QStringList{QStringLiteral("Hello"), QStringLiteral("reader")}));

    HKEY key = 0;
    QString value;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, QStringLiteral("Software\\Embarcadero\\Locales"),
                           KEY_READ, &key),
              ERROR_SUCCESS);
    EXPECT_EQ(RegQueryValueEx(key, exe, nullptr, &value), ERROR_SUCCESS);
    EXPECT_EQ(value, QStringLiteral("EN"));
    RegCloseKey(key);

    // A loaded file replaces the text, not what the title button shows.
    writeFile(path("a.dfn"), "x");
    form->FileDropped(path("a.dfn"));
    form->sSkinProvider1TitleButtons0MouseUp();
    EXPECT_EQ(boxTexts(), QStringList{QStringLiteral("Hello\r\nreader\r\n")});
    EXPECT_EQ(boxes.back().icon, MessageBoxCall::kNone);

    EXPECT_TRUE(form->close());
    EXPECT_TRUE(readFile(ini).startsWith("[APP_WINDOW]\nLang=EN\n"));
}

TEST_F(Form1Test, WithoutLanguageCodeNoKeyIsLeftAndNoReadMeShown) {
    writeFile(path("ReadMe!.EN"), "not this one");
    auto form = start();
    EXPECT_EQ(form->sMemo1->Text(), QString());
    EXPECT_TRUE(form->ReadMeLines().isEmpty());
    HKEY key = 0;
    EXPECT_EQ(
        RegOpenKeyEx(HKEY_CURRENT_USER, QStringLiteral("Software\\Embarcadero"), KEY_READ, &key),
        ERROR_FILE_NOT_FOUND);
    form->sSkinProvider1TitleButtons0MouseUp();
    EXPECT_EQ(boxTexts(), QStringList{QString()});
}

TEST_F(Form1Test, DroppedFiles) {
    QDir(dir.path()).mkdir(QStringLiteral("x.dfn"));
    QDir(dir.path()).mkdir(QStringLiteral("folder"));
    writeFile(path("notes.DFN"), "<x/>");
    writeFile(path("noext"), "<x/>");
    writeFile(path("lf.rcn"), "a\nb\n\nc");
    writeFile(path("bom.dfn"),
              "\xEF\xBB\xBF"
              "a\r\nb");
    writeFile(path("utf16.dfn"), QByteArray("\xFF\xFE<\0x\0/\0>\0", 10));
    writeFile(path("cp1251.dfn"), "\xCF\xF0\xE8");
    writeFile(path("nul.dfn"), QByteArray("ab\0cd", 5));
    const QString longName = QString(260, u'n') + QStringLiteral(".dfn");
    const QString refusalStart = builtinString(sUnsupportedFileStart);
    const QString refusalEnd = builtinString(sUnsupportedFileEnd);

    struct Case {
        QString path;
        QString text;   // of the text area afterwards
        bool loaded;    // LoadedFileName set, export enabled
        QString error;  // text of the error box, or empty
    };
    const auto refused = [&](const QString& p) {
        return Case{p, refusalStart + p + refusalEnd, false, {}};
    };
    const auto cannotOpen = [](const QString& p, const char* reason) {
        return Case{p,
                    {},
                    false,
                    QStringLiteral("Cannot open file \"%1\". %2.").arg(p, QLatin1String(reason))};
    };
    const Case cases[] = {
        refused(path("notes.DFN")),
        refused(path("noext")),
        refused(path("folder")),
        cannotOpen(path("x.dfn"), "Is a directory"),
        cannotOpen(path("missing.rcn"), "No such file or directory"),
        cannotOpen(dir.path() + u'/' + longName, "The file name is too long"),
        {path("lf.rcn"), QStringLiteral("a\r\nb\r\n\r\nc\r\n"), true, {}},
        {path("bom.dfn"), QStringLiteral("a\r\nb\r\n"), true, {}},
        {path("utf16.dfn"), {}, true, {}},
        {path("cp1251.dfn"), {}, true, {}},
        {path("nul.dfn"), QStringLiteral("ab\r\n"), true, {}},
    };
    for (const Case& c : cases) {
        boxes.clear();
        auto form = start();
        form->FileDropped(c.path);
        const std::string name = c.path.toStdString();
        EXPECT_EQ(form->sMemo1->Text(), c.text) << name;
        EXPECT_EQ(form->LoadedFileName(), c.loaded ? c.path : QString()) << name;
        EXPECT_EQ(form->sBitBtn2->isEnabled(), c.loaded) << name;
        EXPECT_EQ(boxTexts(), c.error.isEmpty() ? QStringList() : QStringList{c.error}) << name;
    }
}

TEST_F(Form1Test, RefusedDropAfterALoadKeepsTheLoadedFile) {
    writeFile(path("a.dfn"), "text");
    writeFile(path("b.txt"), "");
    auto form = start();
    form->FileDropped(path("a.dfn"));
    form->FileDropped(path("b.txt"));
    EXPECT_TRUE(form->sMemo1->Text().startsWith(builtinString(sUnsupportedFileStart)));
    EXPECT_EQ(form->LoadedFileName(), path("a.dfn"));
    EXPECT_TRUE(form->sBitBtn2->isEnabled());
}

TEST_F(Form1Test, DropEventsTakeTheFirstFileWhereverTheyLand) {
    writeFile(path("first.dfn"), "first");
    writeFile(path("second.dfn"), "second");
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path("first.dfn")), QUrl::fromLocalFile(path("second.dfn"))});
    for (const bool onTextArea : {false, true}) {
        auto form = start();
        QWidget* target = onTextArea ? form->sMemo1->viewport() : static_cast<QWidget*>(form.get());
        const QPoint at(20, 20);
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        EXPECT_TRUE(enter.isAccepted()) << onTextArea;
        QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        QCoreApplication::processEvents();
        EXPECT_EQ(form->sMemo1->Text(), QStringLiteral("first\r\n")) << onTextArea;
        EXPECT_EQ(form->LoadedFileName(), path("first.dfn")) << onTextArea;
    }
}

TEST_F(Form1Test, OpenDialog) {
    writeFile(path("a.rcn"), "<x/>");
    std::optional<QString> answer;
    std::vector<TsOpenDialog> asked;
    TsOpenDialog::setExecuteHook([&](const TsOpenDialog& dialog) {
        asked.push_back(dialog);
        return answer;
    });
    auto form = start();
    form->sBitBtn1->click();  // cancelled
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].Title, QStringLiteral("Открыть файл перевода"));
    EXPECT_EQ(asked[0].FilterIndex, 2);
    EXPECT_EQ(asked[0].nameFilters(),
              (QStringList{QStringLiteral("Все файлы *.* (*)"),
                           QStringLiteral("Файлы переводов *.dfn; *.rcn (*.dfn *.rcn)"),
                           QStringLiteral("Файлы переводов форм *.dfn (*.dfn)"),
                           QStringLiteral("Файлы переводов ресурсов *.rcn (*.rcn)")}));
    EXPECT_FALSE(form->sBitBtn2->isEnabled());
    EXPECT_TRUE(boxes.empty());

    answer = path("typed-but-missing.dfn");
    form->sBitBtn1->click();
    EXPECT_EQ(
        boxTexts(),
        QStringList{
            QStringLiteral("Cannot open file \"%1\". No such file or directory.").arg(*answer)});
    EXPECT_FALSE(form->sBitBtn2->isEnabled());

    answer = path("a.rcn");  // any extension loads through the dialog
    form->sBitBtn1->click();
    EXPECT_EQ(form->sMemo1->Text(), QStringLiteral("<x/>\r\n"));
    EXPECT_EQ(form->LoadedFileName(), *answer);
    EXPECT_TRUE(form->sBitBtn2->isEnabled());
    EXPECT_EQ(form->focusWidget(), form->sMemo1);
}

TEST_F(Form1Test, ExportButtonSendsTheUnitsWithTheOptions) {
    writeFile(path("small.dfn"), kSmallDfn);
    test::RecordingSpreadsheet spreadsheet;
    auto form = start();
    form->FileDropped(path("small.dfn"));
    form->sSpinEdit1->setText(QStringLiteral("3"));
    form->sBitBtn2->click();
    EXPECT_TRUE(boxes.empty()) << boxTexts().join(u'|').toStdString();
    ASSERT_EQ(form->Translations().size(), 2u);  // both sources begin with an apostrophe
    EXPECT_TRUE(spreadsheet.writes().contains(QStringLiteral("Name := small.dfn")));
    EXPECT_TRUE(spreadsheet.writes().contains(QStringLiteral("Value := array(7x3)")));  // 2 x 3 + 1
    EXPECT_EQ(spreadsheet.writes().filter(QStringLiteral("Visible := ")).size(), 1);
    const QStringList footers = spreadsheet.writes().filter(form->windowTitle());
    EXPECT_EQ(footers.size(), 1);

    form->sCheckBox1->setChecked(true);   // translated only
    form->sCheckBox2->setChecked(false);  // horizontal
    form->sBitBtn2->click();
    EXPECT_EQ(form->Translations().size(), 1u);
    EXPECT_TRUE(spreadsheet.writes().contains(QStringLiteral("Value := array(2x3)")));

    form->sMemo1->setText(QStringLiteral("not xml"));
    form->sBitBtn2->click();
    EXPECT_EQ(boxes.size(), 1u);  // the extraction's error, in the error box
}

}  // namespace
}  // namespace lingotab::app
