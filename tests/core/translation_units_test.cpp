#include "core/translation_units.h"

#include "platform/exception.h"

#include <gtest/gtest.h>

#include "core/support/printers.h"
#include "support/test_support.h"

using lingotab::Exception;
using lingotab::core::ExtractTranslations;
using lingotab::core::TTranslateArr;
using lingotab::core::TTranslateString;

namespace {

const QString kDoctype = QStringLiteral(
    "<!DOCTYPE xliff PUBLIC \"-//XLIFF//DTD XLIFF//EN\" "
    "\"http://www.oasis-open.org/committees/xliff/documents/xliff.dtd\" >");

// A translation file in the shape the program reads, with `body` as the
// content of its body element.
QString fileWithBody(QStringView body) {
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n") + kDoctype +
           QStringLiteral(
               "\r\n<xliff>\r\n  <file source-language=\"en\" target-language=\"ru\">\r\n"
               "    <header></header>\r\n    <body>\r\n") +
           body.toString() + QStringLiteral("\r\n    </body>\r\n  </file>\r\n</xliff>\r\n");
}

TTranslateArr extract(const QString& text, bool translatedOnly) {
    TTranslateArr units;
    ExtractTranslations(text, translatedOnly, units);
    return units;
}

QString failureOf(const QString& text, bool translatedOnly = false) {
    TTranslateArr units;
    try {
        ExtractTranslations(text, translatedOnly, units);
    } catch (const Exception& e) {
        return e.message();
    }
    return QStringLiteral("(no failure)");
}

struct UnitCase {
    const char* name;
    const char16_t* body;
    bool translatedOnly;
    TTranslateArr expected;
};

TEST(ExtractTranslations, TakesUnitsByFilterAndTextRule) {
    const UnitCase cases[] = {
        {"quoted sources only, target optional",
         uR"(<trans-unit resname="A"><source>'one</source><target>один</target></trans-unit>
             <trans-unit resname="B"><source>"two"</source></trans-unit>
             <trans-unit resname="C"><source>three</source><target>три</target></trans-unit>
             <trans-unit resname="D"><source> 'four</source></trans-unit>)",
         false,
         {{"A", "'one", "один"}, {"B", "\"two\"", ""}}},
        {"translated only: target not empty, source not looked at",
         uR"(<trans-unit resname="A"><source>'one</source><target>один</target></trans-unit>
             <trans-unit resname="B"><source>'two</source><target/></trans-unit>
             <trans-unit resname="C"><target>три</target></trans-unit>
             <trans-unit resname="D"><source>'four</source></trans-unit>)",
         true,
         {{"A", "'one", "один"}, {"C", "", "три"}}},
        {"a later element of the same name wins",
         uR"(<trans-unit resname="A"><source>first</source><target>x</target><source>'second</source><target>y</target></trans-unit>)",
         false,
         {{"A", "'second", "y"}}},
        {"names compared exactly: capitals and prefixes are other elements",
         uR"(<trans-unit resname="A" xmlns:x="urn:x"><Source>'a</Source><x:source>'b</x:source><x:target>t</x:target></trans-unit>)",
         false,
         {}},
        {"comments and instructions among units are skipped without a resname",
         uR"(<!-- 'a comment --><?app 'data?><trans-unit resname="A"><source>'a</source></trans-unit>)",
         false,
         {{"A", "'a", ""}}},
        {"empty and whitespace-only elements give empty text",
         uR"(<trans-unit resname="A"><source>'s</source><target/></trans-unit>
             <trans-unit resname="B"><source>'s</source><target></target></trans-unit>
             <trans-unit resname="C"><source>'s</source><target>  </target></trans-unit>)",
         false,
         {{"A", "'s", ""}, {"B", "'s", ""}, {"C", "'s", ""}}},
        {"CDATA, references and blanks around a lone CDATA section",
         uR"(<trans-unit resname="a&amp;b &#38; &lt;c&gt;"><source>'x &amp; y &lt; &#1071;&#x44F;</source><target> <![CDATA[<b>&amp;</b>]]>
             </target></trans-unit>)",
         false,
         {{"a&b & <c>", "'x & y < Яя", "<b>&amp;</b>"}}},
        {"text kept as it stands: blanks, line breaks, quotes",
         u"<trans-unit resname=\"M\r\nN\"><source>'  line one\r\nline two\rthree\n</source>"
         u"<target> \"q\" </target></trans-unit>",
         false,
         {{"M N", "'  line one\nline two\nthree\n", " \"q\" "}}},
        {"a body without units", u"", false, {}},
    };
    for (const UnitCase& c : cases)
        EXPECT_EQ(extract(fileWithBody(c.body), c.translatedOnly), c.expected) << c.name;
}

TEST(ExtractTranslations, NavigatesByPositionWhateverTheNames) {
    // Names of root, file, body and units are never checked; the declared
    // encoding is ignored, since the text is already Unicode.
    const QString text = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n"
        "this line is blanked\n"
        "<a><b source-language=\"x\" target-language=\"y\"><skipped/><c>"
        "<d resname=\"Р\"><source>'Ж</source></d></c></b><ignored/></a>");
    EXPECT_EQ(extract(text, false), (TTranslateArr{{"Р", "'Ж", ""}}));

    // A comment inside the file before its second child moves the body onto
    // the header.
    const QString moved = QStringLiteral(
        "<x>\r\n\r\n<f source-language=\"x\" target-language=\"y\"><!-- c -->"
        "<h><u resname=\"H\"><source>'h</source></u></h>"
        "<b><u resname=\"B\"><source>'b</source></u></b></f></x>");
    EXPECT_EQ(extract(moved, false), (TTranslateArr{{"H", "'h", ""}}));
}

TEST(ExtractTranslations, LineEndsOfAnyKindSplitLines) {
    // The second line is blanked whatever ends it, so its declaration goes.
    for (const char* lineEnd : {"\r\n", "\n", "\r"}) {
        QString text = fileWithBody(uR"(<trans-unit resname="A"><source>'a</source></trans-unit>)");
        text.replace(QStringLiteral("\r\n"), QString::fromLatin1(lineEnd));
        EXPECT_EQ(extract(text, false), (TTranslateArr{{"A", "'a", ""}})) << lineEnd;
    }
}

struct FailureCase {
    const char* name;
    QString text;
    QString message;  // exact
};

TEST(ExtractTranslations, FailuresCarryTheirMessages) {
    const QString conversion =
        QStringLiteral("Could not convert variant of type (Null) into type (OleStr)");
    const FailureCase cases[] = {
        {"empty text", "", "List index out of bounds (1)"},
        {"one line", "<xliff/>", "List index out of bounds (1)"},
        {"one line with its break", "<xliff/>\r\n", "List index out of bounds (1)"},
        {"root without child nodes", "<?xml version=\"1.0\"?>\n\n<xliff>\n  \n</xliff>",
         "List index out of bounds (0)"},
        {"file without a body",
         "<x>\n\n<f source-language=\"a\" target-language=\"b\"><h/></f></x>",
         "List index out of bounds (1)"},
        {"file without a target language", "<x>\n\n<f source-language=\"a\"><h/><b/></f></x>",
         conversion},
        {"a comment before the file",
         "<x>\n\n<!-- c --><f source-language=\"a\" target-language=\"b\"/></x>", conversion},
        {"text before the file",
         "<x>\n\nsome text<f source-language=\"a\" target-language=\"b\"/></x>", conversion},
        {"taken unit without resname",
         fileWithBody(uR"(<trans-unit><source>'a</source></trans-unit>)"), conversion},
        {"source holding an element",
         fileWithBody(uR"(<trans-unit resname="A"><source>'a<b/></source></trans-unit>)"),
         "Element \"source\" does not contain a single text node"},
        {"target holding text and a comment",
         fileWithBody(
             uR"(<trans-unit resname="A"><source>x</source><target>t<!--c--></target></trans-unit>)"),
         "Element \"target\" does not contain a single text node"},
        {"source of two CDATA sections",
         fileWithBody(uR"(<trans-unit><source><![CDATA[a]]><![CDATA[b]]></source></trans-unit>)"),
         "Element \"source\" does not contain a single text node"},
        {"an instruction named source has no element text",
         fileWithBody(uR"(<trans-unit resname="A"><?source 'a?></trans-unit>)"),
         "Element \"source\" does not contain a single text node"},
        {"a document type declaration off the second line",
         "<?xml version=\"1.0\"?>\n\n" + kDoctype + "\n<xliff/>",
         "A document type declaration is not allowed.\r\nLine: 3\r\n" + kDoctype.left(40)},
    };
    for (const FailureCase& c : cases) EXPECT_EQ(failureOf(c.text), c.message) << c.name;
}

TEST(ExtractTranslations, ParseErrorsGiveReasonLineAndLineText) {
    struct {
        const char* name;
        QString text;
        int line;
        QString lineText;
    } const cases[] = {
        {"root start tag on the second line", "<?xml version=\"1.0\"?>\n<xliff>\n</xliff>", 3,
         "</xliff>"},
        {"undefined entity", fileWithBody(u"<trans-unit>&nbsp;</trans-unit>"), 7,
         "<trans-unit>&nbsp;</trans-unit>"},
        {"undeclared namespace prefix", fileWithBody(u"<x:trans-unit/>"), 7, "<x:trans-unit/>"},
        {"mismatched tag after a lone CR", QStringLiteral("<a>\r\r<b>\r\n</c></a>"), 4, "</c></a>"},
        {"long line cut at 40 characters",
         QStringLiteral("<a>\n\n<b>0123456789012345678901234567890123456789012345</a>"), 3,
         "<b>0123456789012345678901234567890123456"},
        {"written on two lines, declaration first", kDoctype + "\n<a/>", 1, kDoctype.left(40)},
        {"the declaration is the document type: no entity is fetched",
         QStringLiteral("<!DOCTYPE a [<!ENTITY e SYSTEM \"file:///etc/passwd\">]>\n\n<a>&e;</a>"),
         1, QStringLiteral("<!DOCTYPE a [<!ENTITY e SYSTEM \"file:///")},
    };
    for (const auto& c : cases) {
        const QString message = failureOf(c.text);
        const QString tail = QStringLiteral("\r\nLine: ") + QString::number(c.line) +
                             QStringLiteral("\r\n") + c.lineText;
        EXPECT_TRUE(message.endsWith(tail)) << c.name << ": " << message.toStdString();
        const QString reason = message.left(message.size() - tail.size());
        EXPECT_FALSE(reason.isEmpty() || reason.contains(u'\n'))
            << c.name << ": " << reason.toStdString();
    }
}

TEST(ExtractTranslations, TableKeptBeforeTheUnitsAndPartlyBuiltAfter) {
    const TTranslateArr previous{{"OLD", "'old", ""}};

    TTranslateArr units = previous;
    EXPECT_THROW(ExtractTranslations(QStringLiteral("<x>\n\n<f/></x>"), false, units), Exception);
    EXPECT_EQ(units, previous);  // failed reading the file's languages

    units = previous;
    EXPECT_THROW(ExtractTranslations(
                     QStringLiteral("<x>\n\n<f source-language=\"a\" target-language=\"b\"/></x>"),
                     false, units),
                 Exception);
    EXPECT_TRUE(units.empty());  // failed finding the body

    units = previous;
    EXPECT_THROW(ExtractTranslations(fileWithBody(uR"(<u resname="A"><source>'a</source></u>
                                                     <u resname="B"><source>'b<i/></source></u>
                                                     <u resname="C"><source>'c</source></u>)"),
                                     false, units),
                 Exception);
    EXPECT_EQ(units, (TTranslateArr{{"A", "'a", ""}}));
}

TEST(ExtractTranslations, ReadsTheBundledExampleFromTextOrBytes) {
    // The example carries its declaration on line 2, as translation files do.
    const QByteArray bytes =
        lingotab::test::readFile(lingotab::test::sourcePath(QStringLiteral("examples/Main.dfn")));
    TTranslateArr fromText, fromBytes;
    ExtractTranslations(QString::fromUtf8(bytes), false, fromText);
    lingotab::core::ExtractTranslationsFromUtf8(bytes, false, fromBytes);
    EXPECT_GT(fromText.size(), 10u);
    EXPECT_EQ(fromBytes, fromText);

    // Bytes that are not UTF-8 are the parser's to refuse.
    TTranslateArr units;
    try {
        lingotab::core::ExtractTranslationsFromUtf8("<a>\n\n<b>\xC3\x28</b></a>", false, units);
        ADD_FAILURE() << "no failure";
    } catch (const Exception& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("\r\nLine: 3\r\n<b>"))) << e.what();
    }
}

}  // namespace
