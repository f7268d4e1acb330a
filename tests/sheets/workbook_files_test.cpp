// Where Visible := True saves, and that nothing the user has is overwritten.
#include "core/export_translations.h"
#include "sheets/support/engine_session.h"
#include "sheets/support/export_run.h"
#include "sheets/support/xlsx_reader.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QThread>

namespace lingotab::test {
namespace {

void exportOnce() {
    core::ExportTranslations(sampleUnits(), false, exportContext(QStringLiteral("/in/Main.dfn")));
}

QJsonArray sheetsOf(const QString& path) {
    return readXlsx(path)[u"sheets"].toArray();
}

QStringList filesIn(const QString& dir) {
    return QDir(dir).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(WorkbookFiles, LaterExportsResaveTheSameWorkbook) {
    EngineSession session;
    exportOnce();
    exportOnce();
    const QString book1 = session.workbookDir + QStringLiteral("/Book1.xlsx");
    EXPECT_EQ(session.saved, (QStringList{book1, book1}));
    EXPECT_EQ(sheetsOf(book1),
              (QJsonArray{QStringLiteral("Main.dfn"), QStringLiteral("Main.dfn(1)")}));
    EXPECT_EQ(filesIn(session.workbookDir), QStringList{QStringLiteral("Book1.xlsx")});
}

TEST(WorkbookFiles, AnExistingBookIsNeverOverwritten) {
    EngineSession session;
    writeFile(session.workbookDir + QStringLiteral("/Book1.xlsx"), "user's own");
    exportOnce();
    EXPECT_EQ(session.saved, QStringList{session.workbookDir + QStringLiteral("/Book2.xlsx")});
    EXPECT_EQ(readFile(session.workbookDir + QStringLiteral("/Book1.xlsx")), "user's own");
    EXPECT_EQ(filesIn(session.workbookDir),
              (QStringList{QStringLiteral("Book1.xlsx"), QStringLiteral("Book2.xlsx")}));
}

TEST(WorkbookFiles, AFileTheUserChangedStartsANewWorkbook) {
    const struct {
        const char* change;
        std::function<void(const QString&)> apply;
        const char* nextBook;
    } cases[] = {
        {"edited", [](const QString& p) { writeFile(p, "edited by the user"); }, "Book2.xlsx"},
        {"same size, other bytes",
         [](const QString& p) {
             QByteArray bytes = readFile(p);
             bytes[bytes.size() / 2] = static_cast<char>(bytes[bytes.size() / 2] ^ 1);
             const QDateTime time = QFileInfo(p).lastModified();
             writeFile(p, bytes);
             QFile file(p);
             ASSERT_TRUE(file.open(QIODevice::ReadWrite));
             file.setFileTime(time, QFileDevice::FileModificationTime);
         },
         "Book2.xlsx"},
        {"touched",
         [](const QString& p) {
             QFile file(p);
             ASSERT_TRUE(file.open(QIODevice::ReadWrite));
             file.setFileTime(QDateTime::currentDateTime().addSecs(5),
                              QFileDevice::FileModificationTime);
         },
         "Book2.xlsx"},
        {"deleted", [](const QString& p) { QFile::remove(p); }, "Book1.xlsx"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.change);
        EngineSession session;
        exportOnce();
        const QString book1 = session.workbookDir + QStringLiteral("/Book1.xlsx");
        c.apply(book1);
        const QByteArray left = QFile::exists(book1) ? readFile(book1) : QByteArray();
        exportOnce();
        const QString next = session.workbookDir + u'/' + QLatin1String(c.nextBook);
        ASSERT_EQ(session.saved.size(), 2);
        EXPECT_EQ(session.saved[1], next);
        EXPECT_EQ(sheetsOf(next), QJsonArray{QStringLiteral("Main.dfn")});
        if (next != book1) EXPECT_EQ(readFile(book1), left);
    }
}

TEST(WorkbookFiles, AnOutputPathIsReplacedOnlyWhenAllowed) {
    const QString dir = qEnvironmentVariable("LINGOTAB_WORKBOOK_DIR");
    const QString out = dir + QStringLiteral("/chosen/out.xlsx");
    {
        EngineSession session({.outputPath = out});
        exportOnce();
        EXPECT_EQ(session.saved, QStringList{out});
        EXPECT_EQ(sheetsOf(out), QJsonArray{QStringLiteral("Main.dfn")});
    }
    {
        EngineSession session({.outputPath = out});  // empties the folder
        QDir().mkpath(QFileInfo(out).absolutePath());
        writeFile(out, "mine now");
        EXPECT_EQ(errorOf(exportOnce), QStringLiteral("Cannot save the workbook \"%1\": the file "
                                                      "exists")
                                           .arg(out));
        EXPECT_EQ(readFile(out), "mine now");
        EXPECT_EQ(filesIn(QFileInfo(out).absolutePath()), QStringList{QStringLiteral("out.xlsx")});
    }
    {
        EngineSession session({.outputPath = out, .replaceOutput = true});
        exportOnce();
        EXPECT_EQ(sheetsOf(out), QJsonArray{QStringLiteral("Main.dfn")});
    }
}

}  // namespace
}  // namespace lingotab::test
