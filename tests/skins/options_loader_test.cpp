#include "platform/exception.h"
#include "skins/manager/skin_messages.h"
#include "support/skin_fixtures.h"

#include <gtest/gtest.h>
#include <QBuffer>

namespace lingotab::skins {
namespace {

using test::bmpFile;
using test::filled;
using test::loadPackedOptions;
using test::pngFile;

QByteArray jpegFile(int width, int height) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    filled(width, height, 0xFF336699).save(&buffer, "JPG", 50);
    return bytes;
}

const QByteArray kOptions = R"([GLOBALINFO]
VERSION=7.5
MASTERBITMAP=MASTER.BMP
SHADOW1BLUR=3
TITLEHEIGHT=$20
COLOR=-16777201
BOXCHECKED=@0010@0000@0030@0010@2@0
CHECK=!GLOW.PNG!1!0!4
EXBORDER=!GLOW.PNG!2!0!3!0018!0038!0018!0018
OLDMASK=#(0,0,10,10) 1 0
MISSING=!NONE.PNG!1!0!4
[BUTTON]
COLOR=255
STATES=3
HOTCOLOR=65280
GRADIENTDATA=16645629;15460069;97;0;0;15460069;15460069;0;0;0
GRADIENTPERCENT=40
BORDERSMASK=^0034^0019^0041^0028^0002^0002^0002^0002^1^0^1^1
FADINGENABLED=true
glyphmask=tile.bmp
_GRADIENTDATA=N/A
[SPEEDBUTTON_SMALL]
PARENTCLASS=BUTTON
FADINGENABLED=yes
COLOR=-1
TRANSPARENCY=20
[PANEL]
PARENTCLASS=?
STATES=1
HOTCOLOR=123
GRADIENTDATA=N/A
GRADIENTPERCENT=30
PATTERN=~0110~0036~0113~0042~10~1
PATTERN2=~0110~0036~0113~0042~03
PATTERN=@0000@0000@0001@0001@1@0
[EDIT]
PARENTCLASS=EDIT
BORDERSMASK=^0000^0000^0021^0009^0000^0000^0000^0000^1^0^0^0
MASK2=^0000^0000^0010^0010^0000^0000^0000^0000^1^0^0^2
PATTERN=tex.jpg
FONTCOLOR=$FF
GRADIENTPERCENT=50
[A]
PARENTCLASS=B
[B]
PARENTCLASS=C
[C]
PARENTCLASS=A
STATES=2
[JPEG]
BIG=Big.JPG
)";

class OptionsLoader : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        QImage master = filled(120, 60, 0xFF204060);
        master.setPixel(0, 0, 0xFFFF00FF);
        const std::vector<TacImageItem> images = {
            {"MASTER.BMP", bmpFile(master, 24)},
            {"Glow.png", pngFile(filled(8, 4, 0x80FFFFFF))},
            {"Tile.bmp", bmpFile(filled(9, 6, 0xFF00FF00), 24)},
            {"TEX.JPG", jpegFile(1000, 899)},
            {"BIG.JPG", jpegFile(1000, 900)},
        };
        content_ = new TacSkinContent(loadPackedOptions(kOptions, images));
    }
    static void TearDownTestSuite() { delete content_; }

    static const TacSkinContent& skin() { return *content_; }
    static const TsGeneralData& section(const char* name) {
        return skin().gd.at(static_cast<size_t>(skin().GetSkinIndex(QString::fromLatin1(name))));
    }

  private:
    static inline TacSkinContent* content_ = nullptr;
};

TEST_F(OptionsLoader, MasksOfEveryNotationInTextOrder) {
    const auto& ma = skin().ma;
    ASSERT_EQ(ma.size(), 11u);
    struct Expected {
        const char* section;
        const char* key;
        TRect rect;
        int frames, maskType, drawMode, borderWidth;
        TacImgType type;
        int wl, wt, wr, wb;
        bool ownImage;
    };
    const Expected expected[] = {
        {"GLOBALINFO", "BOXCHECKED", {10, 0, 30, 10}, 2, 0, 0, 0, itisaGlyph, 0, 0, 0, 0, false},
        {"GLOBALINFO", "CHECK", {0, 0, 8, 4}, 1, 0, 4, 0, itisaPngGlyph, 2, 1, 2, 1, true},
        {"GLOBALINFO", "EXBORDER", {0, 0, 8, 4}, 2, 0, 4, 0, itisaGlow, 18, 38, 18, 18, true},
        {"BUTTON", "BORDERSMASK", {34, 19, 41, 28}, 1, 0, 1, 1, itisaBorder, 2, 2, 2, 2, false},
        {"BUTTON", "GLYPHMASK", {0, 0, 9, 6}, 3, 1, 0, 0, itisaBorder, 1, 1, 1, 1, true},
        {"PANEL", "PATTERN", {110, 36, 113, 42}, 1, 1, 10, 0, itisaTexture, 0, 0, 0, 0, false},
        {"PANEL", "PATTERN2", {110, 36, 113, 42}, 1, 0, 3, 0, itisaTexture, 0, 0, 0, 0, false},
        {"PANEL", "PATTERN", {0, 0, 1, 1}, 1, 0, 0, 0, itisaGlyph, 0, 0, 0, 0, false},
        {"EDIT", "BORDERSMASK", {0, 0, 21, 9}, 1, 0, 0, 0, itisaBorder, 7, 3, 7, 3, false},
        {"EDIT", "MASK2", {0, 0, 10, 10}, 1, 0, 0, 2, itisaBorder, 2, 2, 2, 2, false},
        {"EDIT", "PATTERN", {0, 0, 1000, 899}, 1, 0, 0, 0, itisaTexture, 0, 0, 0, 0, true},
    };
    for (size_t i = 0; i < std::size(expected); ++i) {
        const Expected& e = expected[i];
        const TsMaskData& m = ma[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(m.ClassName, e.section);
        EXPECT_EQ(m.PropertyName, e.key);
        EXPECT_EQ(m.R, e.rect);
        EXPECT_EQ(m.ImageCount, e.frames);
        EXPECT_EQ(m.MaskType, e.maskType);
        EXPECT_EQ(m.DrawMode, e.drawMode);
        EXPECT_EQ(m.BorderWidth, e.borderWidth);
        EXPECT_EQ(m.ImgType, e.type);
        EXPECT_EQ(
            (std::array{m.WL, m.WT, m.WR, m.WB}),
            (std::array<int16_t, 4>{int16_t(e.wl), int16_t(e.wt), int16_t(e.wr), int16_t(e.wb)}));
        EXPECT_EQ(!m.Bmp.isNull(), e.ownImage);
    }
}

TEST_F(OptionsLoader, ImagesAreThirtyTwoBitWithTheirAlphaRules) {
    EXPECT_EQ(skin().MasterBitmap.size(), QSize(120, 60));
    EXPECT_EQ(skin().MasterBitmap.format(), QImage::Format_ARGB32);
    EXPECT_EQ(skin().MasterBitmap.pixel(0, 0), 0x00FF00FFu);
    EXPECT_EQ(skin().MasterBitmap.pixel(1, 0), 0xFF204060u);
    EXPECT_EQ(skin().ma[1].Bmp.pixel(0, 0), 0x80FFFFFFu);  // PNG alpha kept
    EXPECT_EQ(qAlpha(skin().ma[10].Bmp.pixel(5, 5)), 255);
    // Only JPEGs of more than 899,999 pixels stay patterns.
    ASSERT_EQ(skin().pa.size(), 1u);
    EXPECT_EQ(skin().pa[0].ClassName, "JPEG");
    EXPECT_EQ(skin().pa[0].PropertyName, "BIG");
    EXPECT_EQ(skin().pa[0].Img.size(), QSize(1000, 900));
    EXPECT_EQ(skin().GetPatternIndex(skin().GetSkinIndex("JPEG"), "JPEG", "BIG"), 0);
}

TEST_F(OptionsLoader, GlobalRecordReadsItsKeysAndDefaults) {
    const TsSkinData& d = skin().SkinData;
    EXPECT_DOUBLE_EQ(d.Version, 7.5);
    EXPECT_EQ(d.Shadow1Blur, 3);
    EXPECT_EQ(d.Shadow1Offset, 0);
    EXPECT_EQ(d.ExTitleHeight, 32);
    EXPECT_EQ(d.ExMaxHeight, 32);
    EXPECT_EQ(d.ExBorderWidth, 4);
    EXPECT_EQ(d.ExContentOffs, 8);
    EXPECT_EQ(skin().GetGlobalColor(), 0xF0F0F0);
}

TEST_F(OptionsLoader, SectionsInheritThroughTheirParents) {
    const TsGeneralData& button = section("BUTTON");
    EXPECT_EQ(button.Color, 255);
    EXPECT_TRUE(button.FadingEnabled);
    EXPECT_EQ(button.Props[1].Color, 65280);
    const TsGradArray bands = {{16645629, 15460069, 97, 0, 0}, {15460069, 15460069, 0, 0, 0}};
    EXPECT_EQ(button.GradientArray, bands);

    const TsGeneralData& small = section("SPEEDBUTTON_SMALL");
    EXPECT_EQ(small.ParentClass, "BUTTON");
    EXPECT_EQ(small.Color, 255);  // COLOR=-1 counts as missing
    EXPECT_EQ(small.States, 3);
    EXPECT_EQ(small.HotColor, 65280);
    EXPECT_FALSE(small.FadingEnabled);  // "yes" is its own value, and false
    EXPECT_EQ(small.Transparency, 20);
    EXPECT_EQ(small.GradientPercent, 40);
    EXPECT_EQ(small.GradientArray, bands);
    EXPECT_EQ(small.BorderIndex, 3);  // the parent's border mask

    const TsGeneralData& panel = section("PANEL");  // PARENTCLASS=?, one state
    EXPECT_EQ(panel.Color, 16777215);
    EXPECT_EQ(panel.HotColor, 0);
    EXPECT_EQ(panel.Props[1], panel.Props[0]);
    EXPECT_TRUE(panel.GradientArray.empty());
    EXPECT_EQ(panel.GradientPercent, 30);

    const TsGeneralData& edit = section("EDIT");  // names itself as parent
    EXPECT_EQ(edit.Color, 16777215);
    EXPECT_EQ(edit.FontColor, (TsFontColor{255, -1, -1, -1, -1}));
    EXPECT_EQ(edit.GradientPercent, 0);  // no gradient text
    EXPECT_EQ(edit.FadingIterations, 5);
    EXPECT_EQ(edit.GradientData, " ");

    // A cycle of three sections ends instead of looping.
    EXPECT_EQ(section("A").States, 2);
    EXPECT_EQ(section("A").Color, 16777215);
    EXPECT_EQ(skin().GetMaskIndex(skin().GetSkinIndex("A"), "A", "BORDERSMASK"), -1);
}

TEST_F(OptionsLoader, LookupsFindTheFirstMatch) {
    const TacSkinContent& s = skin();
    const int panel = s.GetSkinIndex("PANEL");
    EXPECT_EQ(s.GetSkinIndex("panel"), -1);
    EXPECT_EQ(s.GetMaskIndex("PANEL", "PATTERN"), 5);
    EXPECT_EQ(s.GetMaskIndex("", "PATTERN"), -1);
    EXPECT_EQ(s.GetTextureIndex(panel, "PANEL", "PATTERN"), 5);
    EXPECT_EQ(
        s.GetMaskIndex(s.GetSkinIndex("SPEEDBUTTON_SMALL"), "SPEEDBUTTON_SMALL", "BORDERSMASK"), 3);
    EXPECT_EQ(s.GetMaskIndex("SPEEDBUTTON_SMALL", "BORDERSMASK"), -1);
    EXPECT_EQ(s.GetMaskIndex(-1, "BUTTON", "BORDERSMASK"), -1);
    EXPECT_EQ(s.GetTextureIndex(s.GetSkinIndex("EDIT"), "EDIT", "PATTERN"), 10);
    EXPECT_EQ(s.GetTextureIndex(s.GetSkinIndex("BUTTON"), "BUTTON", "BORDERSMASK"), -1);

    EXPECT_EQ(s.MaskWidthLeft(0), 10);  // one frame of a glyph
    EXPECT_EQ(s.MaskWidthTop(0), 10);   // one band
    EXPECT_EQ(s.MaskWidthRight(3), 2);
    EXPECT_EQ(s.MaskWidthBottom(4), 1);
    EXPECT_FALSE(s.IsValidImgIndex(11));

    EXPECT_EQ(s.ConstData.IndexGLobalInfo, 0);
    EXPECT_EQ(s.ConstData.CheckBoxChecked, 0);
    EXPECT_EQ(s.ConstData.ExBorder, 2);
    EXPECT_EQ(s.ConstData.CheckBoxUnChecked, -1);
    EXPECT_EQ(s.ConstData.ComboBtnIndex, -1);
    EXPECT_EQ(s.GetActiveEditFontColor(), 255);
}

TEST(OptionsLoaderMasterBitmap, PackedNamesMatchOnlyWhenWrittenInUpperCase) {
    const std::vector<TacImageItem> images = {
        {"Master.bmp", bmpFile(filled(4, 4, 0xFF000000), 24)}};
    EXPECT_FALSE(loadPackedOptions("[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\n", images)
                     .MasterBitmap.isNull());
    EXPECT_TRUE(loadPackedOptions("[GLOBALINFO]\r\nMASTERBITMAP=Master.bmp\r\n", images)
                    .MasterBitmap.isNull());
}

TEST(OptionsLoaderDefaults, AnEmptySkinHasOnlyDefaults) {
    const TacSkinContent s = loadPackedOptions("[X]\r\n");
    ASSERT_EQ(s.gd.size(), 1u);
    const TsGeneralData& x = s.gd[0];
    EXPECT_EQ(x.States, 4);
    EXPECT_EQ(x.Color, 16777215);
    EXPECT_EQ(x.HotColor, 16777215);
    EXPECT_EQ(x.GlowColor, 16777215);
    EXPECT_EQ(x.HotFontColor, TsFontColor{});
    EXPECT_EQ(x.BorderIndex, -1);
    EXPECT_EQ(s.SkinData.Shadow1Blur, -1);
    EXPECT_EQ(s.SkinData.ExMaxHeight, 30);
    EXPECT_EQ(s.ConstData.CheckBoxChecked, -1);
    EXPECT_EQ(s.ConstData.IndexGLobalInfo, -1);
    EXPECT_EQ(s.GetGlobalColor(), 0xF0F0F0);  // system button face
    EXPECT_EQ(s.GetGlobalFontColor(), 0xFF00FF);
}

TEST(OptionsLoaderErrors, StrictNumbersAbortTheLoad) {
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"[GLOBALINFO]\nSHADOW1OFFSET=1.5", "''1.5'' is not a valid integer value"},
        {"[GLOBALINFO]\nSHADOW1BLUR=", "'''' is not a valid integer value"},
        {"[GLOBALINFO]\nBICONMAXGLOW=$10", "''$10'' is not a valid integer value"},
        {"[BUTTON]\nBORDERSMASK=^0034^0019", "'''' is not a valid integer value"},
        {"[BUTTON]\nGLYPHMASK=@00x1@0000@0272@0019@3@0", "''00x1'' is not a valid integer value"},
        {"[BUTTON]\nPATTERN=~0110~0036~0113~0042~ 1", "'' 1'' is not a valid integer value"},
        {"[BUTTON]\nGRADIENTDATA=1;2;a;0;0", "''a'' is not a valid integer value"},
        {"[BUTTON]\nSTATES=1\nHOTGRADIENTDATA=1;2;a;0;0\nGRADIENTDATA=1;2;3;0", ""},
    };
    for (const Case& c : cases) {
        QString message;
        try {
            loadPackedOptions(c.text);
        } catch (const Exception& error) {
            message = error.message();
        }
        EXPECT_EQ(message, QString::fromLatin1(c.message)) << c.text;
    }
}

TEST(OptionsLoaderHighlight, SelectionFirstThenMenuItemThenSystem) {
    struct Case {
        const char* text;
        bool focused;
        TColor color;
        TColor fontColor;
    };
    const Case cases[] = {
        {"[SELECTION]\nCOLOR=100\nHOTCOLOR=200\nFONTCOLOR=7\nHOTFONTCOLOR=8", true, 200, 8},
        {"[SELECTION]\nCOLOR=100\nHOTCOLOR=200\nFONTCOLOR=7\nHOTFONTCOLOR=8", false, 100, 7},
        {"[SELECTION]\nSTATES=1\nCOLOR=100\nHOTCOLOR=200\nFONTCOLOR=7", true, 100, 7},
        {"[SELECTION]\nCOLOR=16711935\nFONTCOLOR=16711935\n[MENUITEM]\nHOTCOLOR=300\nHOTFONTCOLOR="
         "9",
         false, 300, 9},
        {"[MENUITEM]\nHOTCOLOR=16777215\nHOTFONTCOLOR=-1", false, 0xFF9933, 0},
        {"[X]", true, 0xFF9933, 0xFFFFFF},
    };
    for (const Case& c : cases) {
        const TacSkinContent s = loadPackedOptions(c.text);
        EXPECT_EQ(s.GetHighLightColor(c.focused), c.color) << c.text;
        EXPECT_EQ(s.GetHighLightFontColor(c.focused), c.fontColor) << c.text;
    }
}

TEST(OptionsLoaderVersion, NewerSkinsAreAnnouncedOncePerLoad) {
    QStringList shown;
    setSkinMessagePresenter(
        [&](TacMessageKind, const QString&, const QString& text) { shown.append(text); });
    for (const char* version : {"6.4", "7", "7.99", "8.0", "x"})
        loadPackedOptions(QByteArray("[GLOBALINFO]\nVERSION=") + version);
    setSkinMessagePresenter({});
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].startsWith("This version of the skin have not complete support"));
}

}  // namespace
}  // namespace lingotab::skins
