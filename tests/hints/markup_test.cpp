#include <gtest/gtest.h>

#include "hints/markup/image_canvas.h"
#include "hints/markup/ts_html.h"
#include "hints/support/fake_canvas.h"
#include "platform/exception.h"

namespace lingotab::hints {
namespace {

using test::FakeCanvas;

struct MarkupCase {
    const char* text;
    QPoint areaTopLeft;
    QStringList pieces;  // see FakeCanvas::describe
    QSize extent;        // right and bottom of the result
};

// Starting font size 8: 4 pixels a character (5 in bold), rows 10 high.
const MarkupCase kCases[] = {
    {"", {0, 0}, {}, {0, 0}},
    {"", {3, 5}, {}, {0, 5}},
    {"A<br>B", {3, 5}, {"3,5 A", "3,17 B"}, {7, 27}},
    {"AB<br>C", {0, 0}, {"0,0 AB", "0,12 C"}, {8, 22}},
    {"A<br><br>B", {0, 0}, {"0,0 A", "0,14 B"}, {4, 24}},
    {"A<br/>B<p>C", {0, 0}, {"0,0 A", "0,12 B", "0,24 C"}, {4, 34}},
    {"a < b", {0, 0}, {"0,0 a ", "8,0  b"}, {16, 10}},
    {"a<b", {0, 0}, {"0,0 a", "4,0 b"}, {8, 10}},
    {"<<b>x", {0, 0}, {"0,0 <b>x"}, {16, 10}},
    {"<<<b>x", {0, 0}, {"0,0 <", "4,0 x b"}, {9, 10}},
    {"x<q>y", {0, 0}, {"0,0 x", "4,0 <", "8,0 q>y"}, {20, 10}},
    {"<>", {0, 0}, {"0,0 <", "4,0 >"}, {8, 10}},
    {"<B>x</b>y", {0, 0}, {"0,0 x b", "5,0 y"}, {9, 10}},
    {"<i>x</I><u>y</u>z", {0, 0}, {"0,0 x i", "4,0 y u", "8,0 z"}, {12, 10}},
    {"<b>a</br>b</bold>", {0, 0}, {"0,0 a b", "5,0 b"}, {9, 10}},
    {"<b>a</xb>", {0, 0}, {"0,0 a b", "5,0 < b", "10,0 /xb> b"}, {30, 10}},
    {"<b >x", {0, 0}, {"0,0 <", "4,0 b >x"}, {20, 10}},
    {"a<br />b", {0, 0}, {"0,0 a", "4,0 <", "8,0 br />b"}, {32, 10}},
    {"<p align=center>x", {0, 0}, {"0,0 <", "4,0 p align=center>x"}, {68, 10}},
    {"a</p>", {0, 0}, {"0,0 a", "4,0 <", "8,0 /p>"}, {20, 10}},
    {"a\r\nb", {0, 0}, {"0,0 ab"}, {8, 10}},
    {"a  b", {0, 0}, {"0,0 a  b"}, {16, 10}},
    {"\xc3\x9f<b>x", {0, 0}, {"0,0 \xc3\x9f", "4,0 x b"}, {9, 10}},
    {"<font color=red size=+2>x</font>y", {0, 0}, {"0,0 x s10 #ff0000", "5,0 y"}, {9, 12}},
    {"<font size=12>A</font><br>B", {2, 0}, {"2,0 A s12", "2,16 B"}, {8, 26}},
    {"<font size=10><font color=red>a</font>b</font>c",
     {0, 0},
     {"0,0 a s10 #ff0000", "5,0 b s10", "10,0 c"},
     {14, 12}},
    {"<font size=10 size=12>a<font size=+2 size=-4>b",
     {0, 0},
     {"0,0 a s12", "6,0 b s10"},
     {11, 14}},
    {"<font size=- size=+>a", {0, 0}, {"0,0 a"}, {4, 10}},
    {"<font size=\" 12\">a<font size=$C>b", {0, 0}, {"0,0 a s12", "6,0 b s12"}, {12, 14}},
    {"<font color=#ff0000>a", {0, 0}, {"0,0 a #ff0000"}, {4, 10}},
    {"<font color=ff0000>a", {0, 0}, {"0,0 a #ff0000"}, {4, 10}},
    {"<font color=ff0000h>a", {0, 0}, {"0,0 a #ff0000"}, {4, 10}},
    {"<font color=\"navy\">a", {0, 0}, {"0,0 a #000080"}, {4, 10}},
    {"<font color=#0000fF>a", {0, 0}, {"0,0 a #0000ff"}, {4, 10}},
    {"<font color=123456789>a", {0, 0}, {"0,0 a #456789"}, {4, 10}},
    {"<font color=red color=orange>a", {0, 0}, {"0,0 a"}, {4, 10}},
    {"<font color=red color=#>a", {0, 0}, {"0,0 a"}, {4, 10}},
    {"<font face=\"Arial\">a", {0, 0}, {"0,0 a F:ARIAL"}, {4, 10}},
    {"<font face=\"Arial>a", {0, 0}, {"0,0 a F:ARIAL>"}, {4, 10}},
    {"<font face=Arial>a", {0, 0}, {"0,0 a"}, {4, 10}},
    {"<xfontx>a</font></font>b", {0, 0}, {"0,0 a", "4,0 b"}, {8, 10}},
};

TEST(TsHtml, DrawsPiecesAndMeasuresRows) {
    for (const MarkupCase& c : kCases) {
        SCOPED_TRACE(c.text);
        FakeCanvas canvas;
        TsHtml html;
        html.Init(&canvas, QString::fromUtf8(c.text), QRect(c.areaTopLeft, QSize(120, 0)));
        const QRect extent = html.HTMLText();
        EXPECT_EQ(canvas.describe(), c.pieces);
        EXPECT_EQ(extent.topLeft(), QPoint(0, 0));
        EXPECT_EQ(extent.width(), c.extent.width());
        EXPECT_EQ(extent.height(), c.extent.height());
    }
}

TEST(TsHtml, UnclosedTagsStayInEffectOnTheCanvas) {
    FakeCanvas canvas;
    TsHtml html;
    html.Init(&canvas, QStringLiteral("<b><font size=12 color=blue>x"), QRect());
    html.HTMLText();
    EXPECT_TRUE(canvas.font.bold);
    EXPECT_EQ(canvas.font.size, 12);
    EXPECT_EQ(canvas.font.color, QColor(Qt::blue));
}

TEST(TsHtml, SizeThatIsNoIntegerStopsThePass) {
    for (const char* text :
         {"a<font size=big>b", "a<font size=+2x>b", "a<font size=99999999999>b"}) {
        SCOPED_TRACE(text);
        FakeCanvas canvas;
        TsHtml html;
        html.Init(&canvas, QString::fromUtf8(text), QRect());
        try {
            html.HTMLText();
            ADD_FAILURE() << "no error";
        } catch (const Exception& error) {
            EXPECT_TRUE(error.message().endsWith(QLatin1String("' is not a valid integer value")))
                << error.what();
        }
        EXPECT_EQ(canvas.describe(), QStringList{"0,0 a"});
    }
    FakeCanvas canvas;
    TsHtml html;
    html.Init(&canvas, QStringLiteral("<font size=big>"), QRect());
    EXPECT_THROW(
        {
            try {
                html.HTMLText();
            } catch (const Exception& error) {
                EXPECT_EQ(error.message(), QStringLiteral("'BIG' is not a valid integer value"));
                throw;
            }
        },
        Exception);
}

// With real fonts only the relations are fixed: rows are measured on the
// font's line height and bold text is wider than the same text plain.
TEST(ImageCanvas, MeasuresAndDrawsWithRealFonts) {
    QImage image(200, 60, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    ImageCanvas canvas(&image, HintFont{QStringLiteral("Sans"), 8});
    const int plain = canvas.textWidth(QStringLiteral("Wide words"));
    const int line = canvas.textHeight(QStringLiteral("X"));
    canvas.font.bold = true;
    EXPECT_GT(canvas.textWidth(QStringLiteral("Wide words")), plain);
    canvas.font.bold = false;

    TsHtml html;
    html.Init(&canvas, QStringLiteral("Wide words<br>x"), QRect(4, 3, 120, 0));
    EXPECT_EQ(html.HTMLText(), QRect(0, 0, 4 + plain, 3 + line + 2 + line));
    int inked = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) inked += qAlpha(image.pixel(x, y)) > 0;
    }
    EXPECT_GT(inked, 20);
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
}

}  // namespace
}  // namespace lingotab::hints
