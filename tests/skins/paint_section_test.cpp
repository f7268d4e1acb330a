// Pixel checks of section painting on small bitmaps.

#include "skins/paint/gradient.h"
#include "skins/paint/pixels.h"
#include "skins/paint/section_paint.h"
#include "skins/paint/texture_fill.h"

#include <gtest/gtest.h>

namespace lingotab::skins {
namespace {

constexpr TColor kWhite = 0xFFFFFF;
constexpr TColor kBlack = 0x000000;

QImage canvas(int w, int h, QRgb fill = 0xFF123456) {
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(fill);
    return image;
}

TColor at(const QImage& image, int x, int y) {
    return pixelToColor(image.pixel(x, y));
}

TColor gray(int v) {
    return v | (v << 8) | (v << 16);
}

// A skin built in memory: sections, masks and a master bitmap.
struct Skin {
    TacSkinContent content;

    int section(TsGeneralData data) {
        data.ClassName = QStringLiteral("S%1").arg(content.gd.size());
        content.gd.push_back(std::move(data));
        return static_cast<int>(content.gd.size()) - 1;
    }
    int mask(TsMaskData data) {
        content.ma.push_back(std::move(data));
        return static_cast<int>(content.ma.size()) - 1;
    }
};

TsGeneralData plain(TColor color, int transparency = 0) {
    TsGeneralData d;
    d.States = 2;
    d.Props[0].Color = color;
    d.Props[0].Transparency = transparency;
    d.Props[1] = d.Props[0];
    return d;
}

TEST(MixColors, RoundsEachChannelAndKeepsTheHighByteOfTheFirst) {
    struct Case {
        TColor a, b;
        double x;
        TColor expected;
    } cases[] = {
        {kWhite, kBlack, 0.5, gray(128)},
        {kBlack, kWhite, 0.5, gray(128)},
        {0x0000FF, 0x00FF00, 0.4, 0x009966},
        {static_cast<TColor>(0x7F000000 | 0x102030), 0x102030, 0.3, 0x7F102030},
        {0x123456, 0xABCDEF, 1.0, 0x123456},
    };
    for (const Case& c : cases) EXPECT_EQ(MixColors(c.a, c.b, c.x), c.expected) << c.x;
}

TEST(SectionBackground, Transparency100ShowsTheParentOrThePlainColour) {
    Skin skin;
    const int s = skin.section(plain(0x3366CC, 100));
    QImage parent(10, 10, QImage::Format_ARGB32);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) parent.setPixel(x, y, qRgb(x * 20, y * 20, 7));

    QImage target = canvas(4, 3);
    TCacheInfo ci{&parent, 1, 2, clFuchsia, true};
    PaintSection(target, skin.content, s, ci, {3, 4}, target.rect(), 0, true);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(target.pixel(x, y), parent.pixel(x + 4, y + 6));

    QImage alone = canvas(4, 3);
    PaintSection(alone, skin.content, s, TCacheInfo{}, {}, alone.rect(), 0, true);
    EXPECT_EQ(at(alone, 2, 1), 0x3366CC);
}

TEST(SectionBackground, HalfTransparentWhiteOverBlackIsMidGrey) {
    Skin skin;
    const int s = skin.section(plain(kWhite, 50));
    QImage target = canvas(3, 3);
    PaintSection(target, skin.content, s, TCacheInfo{nullptr, 0, 0, kBlack, false}, {},
                 target.rect(), 0, true);
    EXPECT_EQ(at(target, 1, 1), gray(128));
}

TEST(SectionBackground, HalfTransparentOverAParentImageBlendsByTheFixedFormula) {
    Skin skin;
    const int s = skin.section(plain(gray(200), 50));
    const QImage parent = canvas(5, 5, qRgb(100, 100, 100));
    QImage target = canvas(2, 2);
    PaintSection(target, skin.content, s, TCacheInfo{&parent, 0, 0, clFuchsia, true}, {},
                 target.rect(), 0, true);
    // a = 50 * 255 / 100 = 127: (100 * 127 + 200 * 128 + 127) / 256 = 150.
    EXPECT_EQ(at(target, 0, 0), gray(150));
}

TEST(SectionBackground, StateIsLimitedToTheSectionsStates) {
    Skin skin;
    TsGeneralData d = plain(0x111111);
    d.Props[1].Color = 0x222222;
    const int s = skin.section(d);
    QImage target = canvas(2, 2);
    for (int state : {1, 5}) {
        PaintSection(target, skin.content, s, {}, {}, target.rect(), state, true);
        EXPECT_EQ(at(target, 0, 0), 0x222222) << state;
    }
    PaintSection(target, skin.content, s, {}, {}, target.rect(), 0, true);
    EXPECT_EQ(at(target, 0, 0), 0x111111);
}

TEST(SectionBackground, InvalidArgumentsPaintNothing) {
    Skin skin;
    const int s = skin.section(plain(kWhite));
    const QImage before = canvas(4, 4);
    for (const QRect& r : {QRect(0, 0, 5, 4), QRect(-1, 0, 2, 2), QRect(0, 0, 0, 3)}) {
        QImage target = before;
        PaintSection(target, skin.content, s, {}, {}, r, 0, true);
        EXPECT_EQ(target, before) << r.x() << "," << r.width();
    }
    QImage target = before;
    PaintSection(target, skin.content, 7, {}, {}, target.rect(), 0, true);
    EXPECT_EQ(target, before);
}

TEST(Gradient, VerticalBandsFadeAndTheLastBandFillsTheRest) {
    Skin skin;
    TsGeneralData d = plain(kBlack);
    d.Props[0].GradientPercent = 100;
    d.Props[0].GradientArray = {{kWhite, 13421772, 50, 0, 0}, {13421772, 13421772, 0, 0, 0}};
    const int s = skin.section(d);
    QImage target = canvas(3, 10);
    PaintSection(target, skin.content, s, {}, {}, target.rect(), 0, true);
    EXPECT_EQ(at(target, 1, 0), kWhite);
    EXPECT_EQ(at(target, 1, 2), gray(255 - 51 * 2 / 4));
    EXPECT_EQ(at(target, 1, 4), 13421772);
    for (int y = 5; y < 10; ++y) EXPECT_EQ(at(target, 0, y), 13421772) << y;
}

TEST(Gradient, HorizontalAndFourCornerForms) {
    QImage target = canvas(5, 5);
    ASSERT_TRUE(paintGradient(target, target.rect(), {{kBlack, gray(200), 100, 1, 0}}));
    EXPECT_EQ(at(target, 0, 3), kBlack);
    EXPECT_EQ(at(target, 2, 0), gray(100));
    EXPECT_EQ(at(target, 4, 4), gray(200));

    // Top-left, centre, top-right, bottom-right; bottom-left repeats the last.
    const TsGradArray corners = {{0x0000FF, 0, 0, 2, 0},
                                 {0x00FF00, 0, 0, 0, 0},
                                 {0xFF0000, 0, 0, 0, 0},
                                 {kWhite, 0, 0, 0, 0}};
    ASSERT_TRUE(paintGradient(target, target.rect(), corners));
    EXPECT_EQ(at(target, 0, 0), 0x0000FF);
    EXPECT_EQ(at(target, 2, 2), 0x00FF00);
    EXPECT_EQ(at(target, 4, 0), 0xFF0000);
    EXPECT_EQ(at(target, 4, 4), kWhite);
    EXPECT_EQ(at(target, 0, 4), kWhite);

    EXPECT_FALSE(paintGradient(target, target.rect(), {{kBlack, kWhite, 100, 3, 0}}));
    EXPECT_FALSE(paintGradient(target, target.rect(), {}));
}

// A master bitmap with a 2 x 2 texture of grey 100 and 200 pixels.
struct TexturedSkin : Skin {
    int texture;
    TexturedSkin(int drawMode = 0) {
        content.MasterBitmap = canvas(4, 4, qRgb(100, 100, 100));
        content.MasterBitmap.setPixel(1, 0, qRgb(200, 200, 200));
        TsMaskData m;
        m.R = {0, 0, 2, 2};
        m.ImageCount = 1;
        m.ImgType = itisaTexture;
        m.DrawMode = static_cast<int16_t>(drawMode);
        texture = mask(m);
    }
};

TEST(Texture, ImagePercent30KeepsThirtyPercentOfTheTexture) {
    TexturedSkin skin;
    TsGeneralData d = plain(gray(10));
    d.Props[0].ImagePercent = 30;
    const int s = skin.section(d);
    QImage target = canvas(4, 4);
    PaintSection(target, skin.content, s, {}, {}, target.rect(), 0, true, -1, skin.texture);
    EXPECT_EQ(at(target, 0, 0), gray(37));  // 100 * 0.3 + 10 * 0.7
    EXPECT_EQ(at(target, 1, 0), gray(67));  // 200 * 0.3 + 10 * 0.7
    EXPECT_EQ(at(target, 3, 2), gray(67));  // tiled from the top-left corner
}

TEST(Texture, ShareWithoutATextureGoesToTheColour) {
    Skin skin;
    TsGeneralData d = plain(gray(10));
    d.Props[0].ImagePercent = 30;
    const int s = skin.section(d);
    QImage target = canvas(2, 2, qRgb(250, 250, 250));
    PaintSection(target, skin.content, s, {}, {}, target.rect(), 0, true);
    EXPECT_EQ(at(target, 0, 0), gray(10));
}

TEST(Texture, OnePassGradientWithTexture) {
    TexturedSkin skin;
    TsGeneralData d = plain(kBlack);
    d.Props[0].ImagePercent = 40;
    d.Props[0].GradientPercent = 60;
    d.Props[0].GradientArray = {{gray(50), gray(50), 100, 0, 0}};
    const int s = skin.section(d);
    QImage target = canvas(2, 2);
    PaintSection(target, skin.content, s, {}, {}, target.rect(), 0, true, -1, skin.texture);
    // g = 40 * 255 / 100 = 102: (50 * 154 + 100 * 102) / 256 = 69, with 200: 109.
    EXPECT_EQ(at(target, 0, 0), gray(69));
    EXPECT_EQ(at(target, 1, 0), gray(109));
}

TEST(Texture, FillTypesLeaveTheirUncoveredPart) {
    struct Case {
        int mode;
        QRect uncovered;
    } cases[] = {
        {0, {}},           {10, {}},          {1, {}},           {2, {0, 2, 6, 3}},
        {3, {2, 0, 4, 5}}, {4, {0, 2, 6, 3}}, {5, {2, 0, 4, 5}}, {6, {0, 0, 6, 3}},
        {7, {0, 0, 4, 5}}, {9, {0, 0, 4, 5}},
    };
    for (const Case& c : cases) {
        TexturedSkin skin(c.mode);
        QImage target = canvas(6, 5);
        EXPECT_EQ(fillTexture(target, target.rect(), skin.content, skin.texture), c.uncovered)
            << c.mode;
        if (!c.uncovered.isEmpty()) {
            EXPECT_EQ(target.pixel(c.uncovered.topLeft()), 0xFF123456u) << c.mode;
        }
    }
    // Stretching one tile over 4 pixels repeats each source pixel twice.
    TexturedSkin stretched(1);
    QImage target = canvas(4, 4);
    fillTexture(target, target.rect(), stretched.content, stretched.texture);
    EXPECT_EQ(at(target, 1, 0), gray(100));
    EXPECT_EQ(at(target, 2, 1), gray(200));
}

// A border mask in the master bitmap whose columns and rows have distinct
// colours: pixel (x, y) of the frame has red x * 10 + 1 and green y * 10 + 1.
struct BorderSkin : Skin {
    int border;
    BorderSkin(int width, int height, int w, int drawMode, int maskType = 0, int frames = 1) {
        content.MasterBitmap = canvas(width * frames, height * (maskType + 1), qRgb(0, 0, 0));
        for (int f = 0; f < frames; ++f)
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x)
                    content.MasterBitmap.setPixel(f * width + x, y,
                                                  qRgb(x * 10 + 1, y * 10 + 1, f * 10 + 1));
        TsMaskData m;
        m.R = {0, 0, width * frames, height * (maskType + 1)};
        m.ImageCount = static_cast<int16_t>(frames);
        m.MaskType = static_cast<int16_t>(maskType);
        m.DrawMode = static_cast<int16_t>(drawMode);
        m.WL = m.WR = m.WT = m.WB = static_cast<int16_t>(w);
        border = mask(m);
    }
    int sourceColumn(const QImage& target, int x, int y) const {
        return (qRed(target.pixel(x, y)) - 1) / 10;
    }
    int sourceRow(const QImage& target, int x, int y) const {
        return (qGreen(target.pixel(x, y)) - 1) / 10;
    }
};

TEST(BorderMask, SlicesShrinkToFourAndThreeOnSevenPixels) {
    BorderSkin skin(12, 12, 5, 0);
    QImage target = canvas(7, 20);
    DrawBorderMask(target, skin.content, target.rect(), skin.border, 0, true, {});
    // Left slice: source columns 0..3; right slice: the last three columns 9..11.
    const int expected[7] = {0, 1, 2, 3, 9, 10, 11};
    for (int x = 0; x < 7; ++x) EXPECT_EQ(skin.sourceColumn(target, x, 0), expected[x]) << x;
    // The left edge repeats source rows 5 and 6 down the height between the corners.
    EXPECT_EQ(skin.sourceRow(target, 0, 5), 5);
    EXPECT_EQ(skin.sourceRow(target, 0, 6), 6);
    EXPECT_EQ(skin.sourceRow(target, 0, 7), 5);
}

TEST(BorderMask, DrawMode3DrawsNothingInState0AndStretchesInState1) {
    BorderSkin skin(6, 6, 2, 3, 0, 2);
    const QImage before = canvas(10, 10);
    QImage target = before;
    DrawBorderMask(target, skin.content, target.rect(), skin.border, 0, true, {});
    EXPECT_EQ(target, before);

    DrawBorderMask(target, skin.content, target.rect(), skin.border, 1, true, {});
    EXPECT_EQ(qBlue(target.pixel(0, 0)), 11);  // frame 1
    // The top edge: two source columns (2, 3) stretched over six pixels.
    const int expected[6] = {2, 2, 2, 3, 3, 3};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(skin.sourceColumn(target, 2 + i, 0), expected[i]) << i;
}

TEST(BorderMask, FillsTheInsideWithBit4AndSkipsTooSmallOrBadMasks) {
    BorderSkin open(6, 6, 2, 0);
    QImage hollow = canvas(8, 8);
    DrawBorderMask(hollow, open.content, hollow.rect(), open.border, 0, true, {});
    EXPECT_EQ(hollow.pixel(4, 4), 0xFF123456u);

    BorderSkin skin(6, 6, 2, 4);
    QImage target = canvas(8, 8);
    DrawBorderMask(target, skin.content, target.rect(), skin.border, 0, true, {});
    EXPECT_EQ(skin.sourceColumn(target, 4, 4), 2);  // middle repeated: 2, 3, 2, 3
    EXPECT_EQ(skin.sourceColumn(target, 5, 4), 3);

    BorderSkin negative(6, 6, 4, 0);  // 4 + 4 > 6: the middle would be negative
    for (const QRect& r : {QRect(0, 0, 8, 8), QRect(0, 0, 1, 8)}) {
        const QImage before = canvas(8, 8);
        QImage t = before;
        DrawBorderMask(t, negative.content, r, negative.border, 0, true, {});
        DrawBorderMask(t, skin.content, QRect(0, 0, 1, 8), skin.border, 0, true, {});
        EXPECT_EQ(t, before);
    }
}

TEST(BorderMask, MaskBandGivesPerChannelTransparency) {
    BorderSkin skin(6, 6, 2, 0, 1);
    // Mask band: black keeps the source, white keeps the target, grey 128 halves.
    QImage& master = skin.content.MasterBitmap;
    master.setPixel(0, 6, qRgb(0, 0, 0));
    master.setPixel(1, 6, qRgb(255, 255, 255));
    master.setPixel(0, 7, qRgb(128, 128, 128));
    QImage target = canvas(8, 8, qRgb(201, 201, 201));
    DrawBorderMask(target, skin.content, target.rect(), skin.border, 0, true, {});
    EXPECT_EQ(qRed(target.pixel(0, 0)), 1);
    EXPECT_EQ(qRed(target.pixel(1, 0)), (11 * 1 + 201 * 255) / 256);
    EXPECT_EQ(qRed(target.pixel(0, 1)), (1 * 128 + 201 * 128) / 256);
}

TEST(BorderMask, MagentaCornersShowTheParentAndAreCutFromTheRegion) {
    BorderSkin skin(6, 6, 2, 0);
    QImage& master = skin.content.MasterBitmap;
    for (const QPoint p : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(5, 5), QPoint(3, 0)})
        master.setPixel(p, kMagentaPixel);
    const QImage parent = canvas(20, 20, qRgb(9, 9, 9));

    QImage target = canvas(8, 8);
    QRegion cut;
    DrawBorderMask(target, skin.content, target.rect(), skin.border, 0, true,
                   TCacheInfo{&parent, 0, 0, clFuchsia, true}, &cut);
    EXPECT_EQ(cut, QRegion(0, 0, 2, 1) + QRegion(0, 1, 1, 1) + QRegion(7, 7, 1, 1));
    EXPECT_EQ(at(target, 0, 0), gray(9));
    EXPECT_EQ(at(target, 7, 7), gray(9));
    // Edge pieces show the parent image too, but are not cut out.
    EXPECT_EQ(at(target, 3, 0), gray(9));

    // Without a parent image: corners take the fill colour, edges keep the target.
    QImage plainTarget = canvas(8, 8);
    DrawBorderMask(plainTarget, skin.content, plainTarget.rect(), skin.border, 0, true,
                   TCacheInfo{nullptr, 0, 0, 0x00AA00, false});
    EXPECT_EQ(at(plainTarget, 0, 0), 0x00AA00);
    EXPECT_EQ(plainTarget.pixel(3, 0), 0xFF123456u);
}

TEST(MaskGlyph, CopiesAFrameWithMagentaTransparentOrHalfWhenDisabled) {
    BorderSkin skin(3, 3, 1, 0, 0, 2);
    skin.content.MasterBitmap.setPixel(5, 0, kMagentaPixel);
    QImage target = canvas(5, 5, qRgb(101, 101, 101));
    DrawMaskGlyph(target, skin.content, {-1, 1}, 1, skin.border, true);
    EXPECT_EQ(qRed(target.pixel(0, 1)), 11);  // column 1 of frame 1, clipped at the left
    EXPECT_EQ(qBlue(target.pixel(0, 1)), 11);
    EXPECT_EQ(target.pixel(1, 1), qRgb(101, 101, 101));

    QImage disabled = canvas(5, 5, qRgb(101, 101, 101));
    DrawMaskGlyph(disabled, skin.content, {0, 0}, 0, skin.border, false);
    EXPECT_EQ(qRed(disabled.pixel(0, 0)), (1 + 101 + 1) / 2);
}

}  // namespace
}  // namespace lingotab::skins
