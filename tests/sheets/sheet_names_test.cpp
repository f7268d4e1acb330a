#include "sheets/sheet_names.h"
#include "platform/exception.h"

#include <gtest/gtest.h>

namespace lingotab::sheets {
namespace {

enum class Verdict { Accepted, Invalid, Reserved, Taken };

Verdict verdictOf(const QString& name, const QStringList& others) {
    try {
        validateSheetName(name, others);
        return Verdict::Accepted;
    } catch (const Exception& e) {
        if (e.message().startsWith(u"You typed an invalid name")) return Verdict::Invalid;
        if (e.message().contains(u"\"History\"")) return Verdict::Reserved;
        if (e.message().startsWith(u"Cannot rename a sheet to the same name"))
            return Verdict::Taken;
        ADD_FAILURE() << "unexpected message " << e.what();
        return Verdict::Accepted;
    }
}

TEST(SheetNames, RefusedAsTheSpreadsheetRefusesThem) {
    const QStringList others{QStringLiteral("Main.dfn"), QStringLiteral("Лист")};
    const struct {
        QString name;
        Verdict verdict;
    } cases[] = {
        {QStringLiteral("Main.rcn"), Verdict::Accepted},
        {QStringLiteral("Main.dfn(1)"), Verdict::Accepted},
        {QString(31, u'x'), Verdict::Accepted},
        {QString(31, u'Ж'), Verdict::Accepted},  // 31 UTF-16 units, 62 bytes of UTF-8
        {QStringLiteral("it's"), Verdict::Accepted},
        {QStringLiteral("Histories"), Verdict::Accepted},
        {QString(), Verdict::Invalid},
        {QString(32, u'x'), Verdict::Invalid},
        {QStringLiteral("😀").repeated(16), Verdict::Invalid},  // 16 characters, 32 units
        {QStringLiteral("a:b"), Verdict::Invalid},
        {QStringLiteral("a\\b"), Verdict::Invalid},
        {QStringLiteral("a/b"), Verdict::Invalid},
        {QStringLiteral("a?b"), Verdict::Invalid},
        {QStringLiteral("a*b"), Verdict::Invalid},
        {QStringLiteral("a[b"), Verdict::Invalid},
        {QStringLiteral("a]b"), Verdict::Invalid},
        {QStringLiteral("'quoted"), Verdict::Invalid},
        {QStringLiteral("quoted'"), Verdict::Invalid},
        {QStringLiteral("History"), Verdict::Reserved},
        {QStringLiteral("hIsToRy"), Verdict::Reserved},
        {QStringLiteral("Main.dfn"), Verdict::Taken},
        {QStringLiteral("MAIN.DFN"), Verdict::Taken},
        {QStringLiteral("лИСТ"), Verdict::Taken},  // case folding beyond ASCII
    };
    for (const auto& c : cases)
        EXPECT_EQ(verdictOf(c.name, others), c.verdict) << c.name.toStdString();
}

TEST(SheetNames, InvalidNameCarriesTheSpreadsheetsText) {
    try {
        validateSheetName(QStringLiteral("a/b"), {});
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.message(),
                  QStringLiteral("You typed an invalid name for a sheet or chart. Make sure that: "
                                 "The name that you type does not exceed 31 characters. The name "
                                 "does not contain any of the following characters: : \\ / ? * "
                                 "[ or ] You did not leave the name blank."));
    }
}

}  // namespace
}  // namespace lingotab::sheets
