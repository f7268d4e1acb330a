// lingotab-export run as a program: options, file naming, exit statuses,
// messages, and the workbook it writes.
#include "sheets/support/xlsx_reader.h"
#include "support/test_support.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QProcess>

namespace lingotab::test {
namespace {

struct Outcome {
    int status = -1;
    QString out;
    QString err;
};

class CliTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = qEnvironmentVariable("LINGOTAB_WORKBOOK_DIR") + QStringLiteral("/cli");
        QDir(dir_).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(dir_));
    }

    QString path(const QString& name) const { return dir_ + u'/' + name; }

    QString write(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path(name);
    }

    QString example() const {
        return write(QStringLiteral("Main.dfn"),
                     readFile(sourcePath(QStringLiteral("examples/Main.dfn"))));
    }

    static Outcome run(const QStringList& arguments) {
        QProcess process;
        process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/lingotab-export"),
                      arguments);
        EXPECT_TRUE(process.waitForFinished(120000)) << "lingotab-export did not finish";
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed(),
                QString::fromLocal8Bit(process.readAllStandardError()).trimmed()};
    }

    QStringList files() const {
        return QDir(dir_).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    QString dir_;
};

QJsonObject sheet(const QString& workbook) {
    const QJsonObject book = readXlsx(workbook);
    EXPECT_EQ(book[u"sheets"].toArray(), QJsonArray{QStringLiteral("Main.dfn")});
    return book[u"Main.dfn"].toObject();
}

QString cellValue(const QJsonObject& sheet, const char* cell) {
    return sheet[u"cells"][QLatin1String(cell)][u"value"].toString();
}

TEST_F(CliTest, WritesBesideTheFileUnderTheFirstFreeName) {
    const QString file = example();
    const Outcome first = run({file});
    EXPECT_EQ(first.status, 0) << first.err.toStdString();
    EXPECT_EQ(first.out, file + QStringLiteral(".xlsx"));
    const Outcome second = run({file});
    EXPECT_EQ(second.status, 0) << second.err.toStdString();
    EXPECT_EQ(second.out, file + QStringLiteral(" (2).xlsx"));
    EXPECT_EQ(files(), (QStringList{QStringLiteral("Main.dfn"), QStringLiteral("Main.dfn (2).xlsx"),
                                    QStringLiteral("Main.dfn.xlsx")}));

    // The vertical layout with the built-in texts and the window's caption.
    const QJsonObject s = sheet(first.out);
    EXPECT_EQ(cellValue(s, "A1"), QStringLiteral("Имя ресурса"));
    EXPECT_EQ(cellValue(s, "B1"), QStringLiteral("Переводы"));
    EXPECT_EQ(cellValue(s, "A2"), QStringLiteral("TMainForm.Caption"));
    EXPECT_EQ(cellValue(s, "B2"), QStringLiteral("'Order Desk'"));
    EXPECT_EQ(cellValue(s, "B3"), QStringLiteral("'Стол заказов'"));
    EXPECT_EQ(cellValue(s, "A6"), QStringLiteral("TMainForm.FileMenu.Caption"));  // k = 4
    bool footer = false;
    for (const QJsonValue& c : s[u"cells"].toObject())
        footer = footer || c[u"value"].toString().startsWith(QStringLiteral(
                               "Лист \"Main.dfn\" сгенерирован программой Lingotab v1.0"));
    EXPECT_TRUE(footer);
}

TEST_F(CliTest, OptionsChooseFilterLayoutRowsAndOutput) {
    const QString file = example();
    const QString out = path(QStringLiteral("chosen.xlsx"));
    const Outcome horizontal = run({QStringLiteral("--translated"), QStringLiteral("--horizontal"),
                                    QStringLiteral("-o"), out, file});
    ASSERT_EQ(horizontal.status, 0) << horizontal.err.toStdString();
    EXPECT_EQ(horizontal.out, out);
    const QJsonObject h = sheet(out);
    EXPECT_EQ(cellValue(h, "B1"), QStringLiteral("Исходный текст"));
    EXPECT_EQ(cellValue(h, "C1"), QStringLiteral("Перевод"));
    EXPECT_EQ(cellValue(h, "C2"), QStringLiteral("'Стол заказов'"));

    // --rows 1 is clamped to 2, as the spin box clamps it.
    const Outcome clamped = run({QStringLiteral("--rows"), QStringLiteral("1"), file});
    ASSERT_EQ(clamped.status, 0) << clamped.err.toStdString();
    const QJsonObject v = sheet(clamped.out);
    EXPECT_EQ(cellValue(v, "A2"), QStringLiteral("TMainForm.Caption"));
    EXPECT_EQ(cellValue(v, "A4"), QStringLiteral("TMainForm.FileMenu.Caption"));
}

TEST_F(CliTest, AnExistingOutputIsReplacedOnlyWithForce) {
    const QString file = example();
    const QString out = write(QStringLiteral("out.xlsx"), "keep me");
    const Outcome refused = run({QStringLiteral("-o"), out, file});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("--force"))) << refused.err.toStdString();
    EXPECT_EQ(readFile(out), "keep me");
    const Outcome forced = run({QStringLiteral("--force"), QStringLiteral("-o"), out, file});
    EXPECT_EQ(forced.status, 0) << forced.err.toStdString();
    EXPECT_EQ(cellValue(sheet(out), "A1"), QStringLiteral("Имя ресурса"));
    EXPECT_EQ(files(), (QStringList{QStringLiteral("Main.dfn"), QStringLiteral("out.xlsx")}));
}

TEST_F(CliTest, FailuresAndWrongUsage) {
    const QString file = example();
    const QString empty = write(QStringLiteral("empty.dfn"),
                                "<?xml version=\"1.0\"?>\n<!DOCTYPE xliff>\n<xliff><file "
                                "source-language=\"en\" target-language=\"ru\"><header/>"
                                "<body/></file></xliff>\n");
    const QString latin1 = write(QStringLiteral("latin1.dfn"), "<?xml?>\n\xE9t\xE9\n");
    const struct {
        QStringList arguments;
        int status;
        QString message;
    } cases[] = {
        {{empty}, 1, QStringLiteral("Не найдено строк для экспорта в Excel!")},
        {{path(QStringLiteral("missing.dfn"))}, 1, QStringLiteral("Cannot open file")},
        {{latin1}, 1, QStringLiteral("List index out of bounds (1)")},  // loads as an empty text
        {{}, 2, QStringLiteral("No FILE given.")},
        {{file, file}, 2, QStringLiteral("One FILE at a time.")},
        {{QStringLiteral("--rows"), QStringLiteral("four"), file}, 2, QStringLiteral("--rows")},
        {{QStringLiteral("--vertical"), file}, 2, QStringLiteral("vertical")},
        {{QStringLiteral("-o"), file}, 2, QStringLiteral("No FILE given.")},
    };
    for (const auto& c : cases) {
        const Outcome r = run(c.arguments);
        EXPECT_EQ(r.status, c.status) << c.arguments.join(u' ').toStdString();
        EXPECT_TRUE(r.err.contains(c.message)) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
    }
    EXPECT_EQ(files(), (QStringList{QStringLiteral("Main.dfn"), QStringLiteral("empty.dfn"),
                                    QStringLiteral("latin1.dfn")}));
}

TEST_F(CliTest, HelpAndVersion) {
    const Outcome help = run(QStringList{QStringLiteral("--help")});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("Usage: lingotab-export [--translated]")));
    const Outcome version = run(QStringList{QStringLiteral("--version")});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, QStringLiteral("lingotab-export 1.0"));
}

}  // namespace
}  // namespace lingotab::test
