#include <gtest/gtest.h>

#include "hints/templates/default_template.h"
#include "hints/templates/hint_template.h"
#include "hints/templates/nine_part.h"
#include "hints/templates/template_owner.h"

namespace lingotab::hints {
namespace {

struct CountingOwner : TacTemplateOwner {
    void Changed() override { ++changes; }
    int changes = 0;
};

QImage filled(int w, int h, QRgb color) {
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}

TEST(TacBordersSizes, SettersKeepAMiddleOfOnePixel) {
    struct Case {
        TacBordersSizes::Index index;
        int value;
        int stored;
        int opposite;  // starting at 10
    };
    // A 32 x 20 picture.
    const Case cases[] = {
        {TacBordersSizes::Left, 40, 31, 0}, {TacBordersSizes::Right, 25, 25, 6},
        {TacBordersSizes::Top, 19, 19, 0},  {TacBordersSizes::Bottom, 12, 12, 7},
        {TacBordersSizes::Left, 5, 5, 10},  {TacBordersSizes::Top, -3, 0, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.index << " := " << c.value);
        CountingOwner owner;
        TacHintTemplates templates(&owner);
        TacHintImage& image = templates.Add().ImageDefault();
        image.setImage(filled(32, 20, 0xff102030));
        TacBordersSizes& borders = image.BordersWidths();
        const auto opposite = TacBordersSizes::Index((c.index + 2) % 4);
        borders.setValue(opposite, 10);
        owner.changes = 0;
        borders.setValue(c.index, c.value);
        EXPECT_EQ(borders.value(c.index), c.stored);
        EXPECT_EQ(borders.value(opposite), c.opposite);
        EXPECT_EQ(owner.changes, 1);
    }
}

TEST(TacHintImage, NewPictureCentresTheCutAndClearsTransparentPixels) {
    QImage picture = filled(20, 10, 0xff445566);
    picture.setPixel(3, 4, qRgba(9, 9, 9, 0));
    TacHintImage image;
    image.setImage(picture);
    for (const TacBordersSizes* sizes : {&image.BordersWidths(), &image.ClientMargins()}) {
        EXPECT_EQ(sizes->left(), 9);
        EXPECT_EQ(sizes->right(), 9);
        EXPECT_EQ(sizes->top(), 4);
        EXPECT_EQ(sizes->bottom(), 4);
    }
    EXPECT_EQ(image.Image().pixel(3, 4), 0u);
    EXPECT_EQ(image.Image().pixel(4, 4), 0xff445566u);

    // An empty picture has no cut, and every size is held at 0.
    image.setImage(QImage());
    image.BordersWidths().setLeft(5);
    EXPECT_EQ(image.ImageWidth(), 0);
    EXPECT_EQ(image.BordersWidths().left(), 0);
}

TEST(TacHintTemplates, CopiesAndSelectsByNameIgnoringCase) {
    CountingOwner owner;
    TacHintTemplates source(&owner);
    TacHintTemplate& first = source.Add();
    first.setName(QStringLiteral("Plain"));
    TacHintTemplate& second = source.Add();
    second.setName(QStringLiteral("Pointer"));
    second.setFont(HintFont{QStringLiteral("Serif"), 11});
    second.Img_LeftBottom().setImage(filled(10, 12, 0xff000000));
    second.Img_LeftBottom().BordersWidths().setLeft(2);
    second.Img_LeftBottom().BorderDrawModes().setValue(TacBorderDrawModes::Center, dmRepeat);

    TacHintTemplates copy;
    copy.Assign(source);
    ASSERT_EQ(copy.Count(), 2);
    TacHintTemplate& copied = copy.Items(1);
    EXPECT_EQ(copied.Name(), QStringLiteral("Pointer"));
    EXPECT_EQ(copied.Font().size, 11);
    EXPECT_EQ(copied.Img_LeftBottom().ImageHeight(), 12);
    EXPECT_EQ(copied.Img_LeftBottom().BordersWidths().left(), 2);
    EXPECT_EQ(copied.Img_LeftBottom().BorderDrawModes().value(TacBorderDrawModes::Center),
              dmRepeat);
    EXPECT_EQ(copied.ImageDefault().ImageWidth(), 0);

    EXPECT_EQ(copy.IndexOf(QStringLiteral("POINTER")), 1);
    EXPECT_EQ(copy.IndexOf(QStringLiteral("plain")), 0);
    EXPECT_EQ(copy.IndexOf(QStringLiteral("none")), -1);
}

TEST(DefaultHintTemplate, PictureBordersAndMargins) {
    TacHintImage& image = DefaultHintTemplate().ImageDefault();
    ASSERT_EQ(image.Image().size(), QSize(32, 32));
    const TacBordersSizes& b = image.BordersWidths();
    EXPECT_EQ(QList<int>({b.left(), b.top(), b.right(), b.bottom()}), QList<int>({7, 7, 15, 15}));
    const TacBordersSizes& m = image.ClientMargins();
    EXPECT_EQ(QList<int>({m.left(), m.top(), m.right(), m.bottom()}), QList<int>({11, 7, 15, 14}));
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(image.BorderDrawModes().value(TacBorderDrawModes::Index(i)), dmStretch);
    }
    EXPECT_FALSE(DefaultHintTemplate().Img_RightTop().ImageWidth());

    const QImage& p = image.Image();
    const QRgb inside = p.pixel(12, 12);
    EXPECT_EQ(qAlpha(inside), 255);
    EXPECT_EQ(qRed(inside), 254);
    EXPECT_EQ(qGreen(inside), 254);
    EXPECT_TRUE(qBlue(inside) >= 211 && qBlue(inside) <= 226) << qBlue(inside);
    const QRgb outline = p.pixel(3, 12);
    EXPECT_LT(qRed(outline), 190);
    EXPECT_GT(qAlpha(outline), 128);
    EXPECT_EQ(p.pixel(0, 0), 0u);
    EXPECT_EQ(p.pixel(31, 0), 0u);
    const QRgb shadow = p.pixel(25, 25);
    EXPECT_EQ(qRed(shadow) | qGreen(shadow) | qBlue(shadow), 0);
    EXPECT_GT(qAlpha(shadow), 0);
    for (int y = 0; y < 32; ++y) {
        for (int x = 23; x < 32; ++x) EXPECT_LE(qAlpha(p.pixel(x, y)), 80);
    }
}

// A 4 x 3 picture, cut 1 | 2 | 1 across and 1 | 1 | 1 down; every pixel a
// colour of its own: 0xff0000<x><y>.
TEST(NinePart, CornersStayStripsTileOrStretch) {
    QImage picture(4, 3, QImage::Format_ARGB32);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) picture.setPixel(x, y, qRgba(0, x * 16, y * 16, 100 + x));
    }
    TacHintImage image;
    image.setImage(picture);
    image.BordersWidths().setLeft(1);
    image.BordersWidths().setRight(1);
    image.BordersWidths().setTop(1);
    image.BordersWidths().setBottom(1);
    image.BorderDrawModes().setValue(TacBorderDrawModes::Top, dmRepeat);

    QImage target(7, 4, QImage::Format_ARGB32);
    target.fill(0);
    drawNinePart(target, image);
    // Corners unscaled, alpha copied.
    EXPECT_EQ(target.pixel(0, 0), picture.pixel(0, 0));
    EXPECT_EQ(target.pixel(6, 0), picture.pixel(3, 0));
    EXPECT_EQ(target.pixel(0, 3), picture.pixel(0, 2));
    EXPECT_EQ(target.pixel(6, 3), picture.pixel(3, 2));
    // Top strip tiled from the inner corner, the last tile cut: 1 2 1 2 1.
    const int columns[] = {1, 2, 1, 2, 1};
    for (int x = 1; x <= 5; ++x)
        EXPECT_EQ(target.pixel(x, 0), picture.pixel(columns[x - 1], 0)) << x;
    // Left strip stretched over two rows from one.
    EXPECT_EQ(target.pixel(0, 1), picture.pixel(0, 1));
    EXPECT_EQ(target.pixel(0, 2), picture.pixel(0, 1));
}

}  // namespace
}  // namespace lingotab::hints
