#include "skins/manager/skin_manager.h"
#include "skins/manager/skin_command.h"
#include "skins/manager/skin_messages.h"
#include "skins/package/skin_paths.h"
#include "support/skin_fixtures.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QWidget>

namespace lingotab::skins {
namespace {

using test::packageBytes;

// A skin whose only distinguishing section is named after it.
QByteArray optionsMarked(const QString& mark) {
    return "[GLOBALINFO]\r\nVERSION=7.2\r\n[" + mark.toLatin1() + "]\r\n";
}

TsStoredSkin storedSkin(const QString& name) {
    TsStoredSkin skin;
    skin.Name = name;
    skin.PackedData =
        packageBytes({{"Options.dat", optionsMarked(QStringLiteral("MARK_") + name.left(1))}});
    return skin;
}

// Records every skin command a widget receives, in order.
class RecordingWidget : public QWidget {
  public:
    RecordingWidget(QString name, std::vector<QString>* log, QWidget* parent = nullptr)
        : QWidget(parent), name_(std::move(name)), log_(log) {}

  protected:
    bool event(QEvent* event) override {
        if (event->type() == TacSkinCommandEvent::Type) {
            const auto* command = static_cast<TacSkinCommandEvent*>(event);
            log_->push_back(name_ + QString::number(command->command()) + command->section());
            return true;
        }
        return QWidget::event(event);
    }

  private:
    QString name_;
    std::vector<QString>* log_;
};

class SkinManagerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(directory_.isValid());
        setSkinMessagePresenter(
            [this](TacMessageKind kind, const QString& caption, const QString& text) {
                messages_.push_back(
                    (kind == TacMessageKind::kError ? QStringLiteral("[error] ") : QString()) +
                    caption + QStringLiteral(": ") + text);
            });
        manager_.setInternalSkins({storedSkin("B (internal)"), storedSkin("A (internal)"),
                                   storedSkin("Vista (internal)")});
        manager_.setSkinDirectory(directory_.path());
    }
    void TearDown() override { setSkinMessagePresenter({}); }

    QString path(const QString& relative) const { return directory_.filePath(relative); }
    void writeFile(const QString& relative, const QByteArray& bytes) const {
        QDir().mkpath(QFileInfo(path(relative)).path());
        QFile file(path(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void writePackage(const QString& name, const QString& mark) const {
        writeFile(name + ".asz", packageBytes({{"Options.dat", optionsMarked(mark)}}));
    }
    bool loaded(const char* section) const {
        return manager_.GetSkinIndex(QString::fromLatin1(section)) >= 0;
    }

    QTemporaryDir directory_;
    TsSkinManager manager_;
    std::vector<QString> messages_;
};

TEST_F(SkinManagerTest, CatalogueListsPackagesAndFoldersSortedWithDuplicates) {
    QDir(directory_.path()).mkdir("Neon");  // no options: not a skin
    writeFile("Neon.ASZ", "");              // upper-case extension: not listed
    writeFile(".Hidden.asz", "");
    writeFile("Blue.asz", "");
    writeFile("My.Blue.asz", "");
    writeFile("Folder/Options.dat", "");
    writeFile("Vista (internal)/OPTIONS.DAT", "");
    QStringList names;
    EXPECT_EQ(manager_.GetSkinNames(names), "B (internal)");
    EXPECT_EQ(names, QStringList({"A (internal)", "B (internal)", "Blue", "Folder", "My.Blue",
                                  "Vista (internal)", "Vista (internal)"}));
    manager_.GetSkinNames(names, stPacked);
    EXPECT_EQ(names,
              QStringList({"A (internal)", "B (internal)", "Blue", "My.Blue", "Vista (internal)"}));
    manager_.GetSkinNames(names, stUnpacked);
    EXPECT_EQ(names, QStringList({"A (internal)", "B (internal)", "Folder", "Vista (internal)",
                                  "Vista (internal)"}));
    const QString firstExternal = manager_.GetExternalSkinNames(names);
    EXPECT_EQ(names, QStringList({"Blue", "Folder", "My.Blue", "Vista (internal)"}));
    EXPECT_TRUE(names.contains(firstExternal));
    EXPECT_TRUE(QStringList({"A (internal)", "B (internal)", "Blue", "Folder", "My.Blue",
                             "Vista (internal)"})
                    .contains(manager_.GetRandomSkin()));

    manager_.setInternalSkins({});
    manager_.setSkinDirectory(path("missing"));
    EXPECT_EQ(manager_.GetSkinNames(names), "");
    EXPECT_TRUE(names.isEmpty());
    EXPECT_EQ(manager_.GetRandomSkin(), "");
}

TEST_F(SkinManagerTest, NamesResolveToPackageThenFolderThenInternalThenFirstInternal) {
    writePackage("Both", "FROM_PACKAGE");
    writeFile("Both/Options.dat", optionsMarked("FROM_FOLDER"));
    writeFile("Folder/Options.dat", optionsMarked("FOLDER"));
    writePackage("My.Blue", "DOTTED");

    manager_.setSkinName("Both");
    EXPECT_TRUE(loaded("FROM_PACKAGE"));
    EXPECT_TRUE(manager_.SkinIsPacked());
    EXPECT_EQ(manager_.SkinData.SkinPath, normalizedDirectory(directory_.path()));

    manager_.setSkinName("Folder");
    EXPECT_TRUE(loaded("FOLDER"));
    EXPECT_FALSE(manager_.SkinIsPacked());
    EXPECT_EQ(manager_.SkinData.SkinPath, path("Folder") + "/");

    manager_.setSkinName("My.Blue");
    EXPECT_TRUE(loaded("DOTTED"));

    manager_.setSkinName("A (internal)");
    EXPECT_TRUE(loaded("MARK_A"));
    EXPECT_TRUE(manager_.SkinIsPacked());
    EXPECT_TRUE(manager_.SkinData.SkinPath.isEmpty());

    manager_.setSkinName("Nothing like it");
    EXPECT_EQ(manager_.skinName(), "B (internal)");
    EXPECT_TRUE(loaded("MARK_B"));
    EXPECT_TRUE(manager_.SkinData.Active);
    EXPECT_TRUE(messages_.empty());
}

TEST_F(SkinManagerTest, SkinFoldersFindImagesWhateverTheLetterCase) {
    const QByteArray bitmap = test::bmpFile(test::filled(6, 3, 0xFF112233), 24);
    writeFile("Folder/Master.bmp", bitmap);
    writeFile("Folder/sub/Glyph.Png", test::pngFile(test::filled(2, 2, 0xFFFFFFFF)));
    writeFile(
        "Folder/Options.dat",
        "[GLOBALINFO]\r\nMASTERBITMAP=Master.bmp\r\n[BUTTON]\r\nGLYPHMASK=!SUB/GLYPH.PNG!1!0!4\r\n"
        "BORDERSMASK=master.bmp\r\n");
    manager_.setSkinName("Folder");
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(manager_.MasterBitmap.size(), QSize(6, 3));
    EXPECT_GE(manager_.GetMaskIndex("BUTTON", "GLYPHMASK"), 0);
    EXPECT_GE(manager_.gd[manager_.GetSkinIndex("BUTTON")].BorderIndex, 0);
}

TEST_F(SkinManagerTest, WithoutAnySkinSkinningSwitchesOff) {
    manager_.setInternalSkins({});
    manager_.setSkinName("Nothing");
    EXPECT_FALSE(manager_.active());
    EXPECT_TRUE(manager_.gd.empty());
    EXPECT_FALSE(manager_.SkinData.Active);
}

TEST_F(SkinManagerTest, LoadErrorsShowTheBoxAndKeepThePreviousSkin) {
    const QByteArray border = "BORDERSMASK=^0000^0000^0002^0002^0001^0001^0001^0001^1^0^0^0\r\n";
    writeFile("Good/Options.dat", "[GOOD]\r\n" + border);
    writeFile("Broken.asz", "ASzX and more");
    // The masks load before the strict number fails: none of them may stay.
    writeFile("Strict/Options.dat", "[STRICT]\r\n" + border + "[GLOBALINFO]\r\nSHADOW1BLUR=x\r\n");
    writeFile("BadImage/Options.dat", "[GLOBALINFO]\r\nMASTERBITMAP=M.BMP\r\n[BAD]\r\n");
    writeFile("BadImage/M.BMP", "BM not really");
    manager_.setSkinName("Good");
    const struct {
        const char* name;
        const char* message;
    } cases[] = {{"Broken", "Loaded data is not a packed skin file"},
                 {"Strict", "''x'' is not a valid integer value"},
                 {"BadImage", "Bitmap image is not valid"}};
    for (const auto& c : cases) {
        messages_.clear();
        manager_.setSkinName(QString::fromLatin1(c.name));
        EXPECT_EQ(messages_, std::vector<QString>({QStringLiteral("[error] Error: ") + c.message}))
            << c.name;
        EXPECT_EQ(manager_.skinName(), "Good") << c.name;
        EXPECT_TRUE(manager_.SkinData.Active) << c.name;
        ASSERT_TRUE(loaded("GOOD")) << c.name;
        EXPECT_EQ(manager_.ma.size(), 1u) << c.name;
        EXPECT_EQ(manager_.gd[manager_.GetSkinIndex("GOOD")].BorderIndex, 0) << c.name;
    }
}

TEST_F(SkinManagerTest, SkinCommandsReachEveryWindowAndChildInOrder) {
    std::vector<QString> log;
    RecordingWidget form("form", &log);
    auto* panel = new RecordingWidget("panel", &log, &form);
    new RecordingWidget("button", &log, panel);
    auto* dialog = new RecordingWidget("dialog", &log, &form);
    dialog->setWindowFlag(Qt::Window);
    const auto commandsOf = [&](const QString& name) {
        QStringList commands;
        for (const QString& entry : log) {
            if (entry.startsWith(name)) commands.append(entry.mid(name.size()));
        }
        return commands;
    };

    manager_.setSkinName("A (internal)");
    for (const char* name : {"form", "panel", "button", "dialog"})
        EXPECT_EQ(commandsOf(QString::fromLatin1(name)), QStringList({"1", "16", "3"})) << name;
    const auto at = [&](const QString& entry) {
        return std::find(log.begin(), log.end(), entry) - log.begin();
    };
    EXPECT_LT(at("form1"), at("panel1"));
    EXPECT_LT(at("panel1"), at("button1"));
    EXPECT_LT(at("button3"), log.size());

    log.clear();
    manager_.UpdateSkinSection("edit");
    EXPECT_EQ(commandsOf("button"), QStringList({"13EDIT"}));
    EXPECT_EQ(TsSkinManager::updatedSection(), "EDIT");

    log.clear();
    manager_.BeginUpdate();
    manager_.setSkinName("B (internal)");
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(loaded("MARK_B"));
    manager_.EndUpdate(true, false);
    EXPECT_EQ(commandsOf("form"), QStringList({"1", "16", "3"}));

    log.clear();
    manager_.setActive(false);
    EXPECT_EQ(commandsOf("button"), QStringList({"2"}));
    EXPECT_TRUE(manager_.gd.empty());
    EXPECT_FALSE(manager_.SkinData.Active);
    EXPECT_EQ(manager_.ConstData.IndexGLobalInfo, -1);
    manager_.setActive(true);
    EXPECT_TRUE(loaded("MARK_B"));
}

TEST_F(SkinManagerTest, SkinMenuHasOneRadioItemPerNameInColumnsOfTwenty) {
    TsStoredSkins skins;
    for (int i = 0; i < 45; ++i)
        skins.push_back(
            storedSkin(QStringLiteral("Skin%1 (internal)").arg(i, 2, 10, QLatin1Char('0'))));
    manager_.setInternalSkins(skins);
    writeFile("Skin07 (internal)/Options.dat", optionsMarked("FOLDER"));
    manager_.setSkinName("Skin07 (internal)");
    manager_.setSkinMenuTexts("Skins", "(internal)");

    QMenu menu;
    menu.addAction("Close");
    manager_.fillSkinMenu(&menu);
    manager_.fillSkinMenu(&menu);  // a second drop replaces the submenu
    const QList<QAction*> top = menu.actions();
    ASSERT_EQ(top.size(), 3);
    EXPECT_EQ(top[0]->objectName(), "SkinSelectItem");
    EXPECT_EQ(top[0]->text(), "Skins");
    EXPECT_TRUE(top[1]->isSeparator());
    EXPECT_EQ(top[2]->text(), "Close");

    const QList<QAction*> items = top[0]->menu()->actions();
    ASSERT_EQ(items.size(), 46);  // the folder repeats an internal name
    QStringList checked;
    QList<int> columnStarts;
    for (int i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i]->objectName(), QStringLiteral("SkinSelectItem%1").arg(i));
        EXPECT_TRUE(items[i]->isCheckable());
        if (items[i]->isChecked()) checked.append(items[i]->text());
        if (items[i]->property("columnBreak").toBool()) columnStarts.append(i);
    }
    EXPECT_EQ(items[0]->text(), "Skin00 (internal)");
    EXPECT_EQ(checked, QStringList({"Skin07 (internal)", "Skin07 (internal)"}));
    EXPECT_EQ(columnStarts, QList<int>({20, 40}));

    items[3]->setText("&Skin03 (internal) extra");
    items[3]->trigger();
    EXPECT_EQ(manager_.skinName(), "Skin03 (internal)");
    EXPECT_TRUE(loaded("MARK_S"));
}

TEST(SkinMenuCaption, AcceleratorsGoAndTheNameEndsAfterTheMarker) {
    const char* cases[][2] = {{"&Vista (internal)", "Vista (internal)"},
                              {"Vista (internal) extra", "Vista (internal)"},
                              {"A&&B", "AB"},
                              {"Folder skin", "Folder skin"}};
    for (const auto& c : cases)
        EXPECT_EQ(TsSkinManager::skinNameFromMenuCaption(c[0], "(internal)"), c[1]) << c[0];
}

TEST_F(SkinManagerTest, ExtractWritesThePackageOrShowsWhyNot) {
    manager_.ExtractInternalSkin("A (internal)", path("out"));
    manager_.ExtractInternalSkin("Z (internal)", directory_.path());
    EXPECT_EQ(messages_, std::vector<QString>({"[error] Error: Directory does not exists.",
                                               "[error] Error: Skin does not exists."}));
    manager_.ExtractByIndex(1, path("out"));
    QFile file(path("out/A (internal) extracted.asz"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), manager_.InternalSkins()[1].PackedData);
    messages_.clear();
    manager_.ExtractByIndex(0, path("no/such/parent"));
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_TRUE(messages_[0].endsWith("no/such/parent/ creation error."));
}

TEST(SkinPaths, DirectoriesAreNormalisedAndMadeAbsolute) {
    EXPECT_EQ(normalizedDirectory(""), "");
    EXPECT_EQ(normalizedDirectory("/skins/"), "/skins/");
    EXPECT_EQ(normalizedDirectory("C:\\skins\\"), "C:\\skins/");
    EXPECT_EQ(normalizedDirectory("/skins"), "/skins/");
    const QString exe = "/A/B/";
    const char* cases[][2] = {{"../Skins", "/A/Skins"},
                              {"..\\Skins", "/A/Skins"},
                              {"Skins", "/A/B/Skins"},
                              {"./Skins", "/A/B/Skins"},
                              {".\\Skins", "/A/B/Skins"},
                              {"/srv/Skins", "/srv/Skins"},
                              {"", "/A/B/"}};
    for (const auto& c : cases) EXPECT_EQ(fullSkinDirectory(c[0], exe), c[1]) << c[0];
}

TEST(SkinPaths, FilesAreFoundWhateverTheirLetterCase) {
    QTemporaryDir directory;
    QDir(directory.path()).mkpath("Skin/Sub");
    QFile file(directory.filePath("Skin/Sub/Master.bmp"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(findPathIgnoringCase(directory.filePath("SKIN/sub/MASTER.BMP")), file.fileName());
    EXPECT_EQ(findPathIgnoringCase(directory.filePath("Skin/Sub/Master.bmp")), file.fileName());
    EXPECT_EQ(findPathIgnoringCase(directory.filePath("Skin/Other.bmp")), "");
}

}  // namespace
}  // namespace lingotab::skins
