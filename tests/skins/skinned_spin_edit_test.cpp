// The spin box's skinned parts: the bound label's place, the arrow group's
// layout and arrows, and the label greying with the box.

#include "skins/controls/skinned_spin_edit.h"
#include "skins/controls/skinned_label.h"
#include "skins/controls/skinned_panel.h"
#include "skins/paint/pixels.h"
#include "tests/skins/support/painted_skin.h"

#include <gtest/gtest.h>
#include <QLabel>
#include <QLineEdit>

namespace lingotab::skins {
namespace {

TEST(BoundLabel, StandsLeftOfTheBoxOnePixelAboveTheCentre) {
    const QRect box(100, 10, 50, 21);
    EXPECT_EQ(boundLabelPosition(box, QSize(15, 13)), QPoint(81, 13));  // top + 3
    EXPECT_EQ(boundLabelPosition(box, QSize(15, 13), 6), QPoint(75, 13));
    EXPECT_EQ(boundLabelPosition(box, QSize(15, 14)), QPoint(81, 12));
}

TEST(SpinButtons, TwentyOnePixelBoxSplitsIntoEightAndNine) {
    const QRect group = skinnedSpinButtonGeometry(QSize(50, 21));
    EXPECT_EQ(group, QRect(30, 2, 18, 17));
    EXPECT_EQ(spinUpButton(group.size()), QRect(0, 0, 18, 8));
    EXPECT_EQ(spinDownButton(group.size()), QRect(0, 8, 18, 9));
    EXPECT_EQ(spinUpButton(QSize(10, 17)).width(), 15);
}

TEST(SpinButtons, ArrowTrianglesPointUpAndDown) {
    QImage image(18, 8, QImage::Format_ARGB32);
    image.fill(0xFF000000);
    DrawSpinArrow(image, image.rect(), true, 0xFFFFFF);
    // x0 = 4, y0 = 1: corners (5, 5), (11, 5), (8, 2).
    EXPECT_EQ(image.pixel(8, 2), 0xFFFFFFFFu);
    EXPECT_EQ(image.pixel(5, 5), 0xFFFFFFFFu);
    EXPECT_EQ(image.pixel(11, 5), 0xFFFFFFFFu);
    EXPECT_EQ(image.pixel(8, 1), 0xFF000000u);
    EXPECT_EQ(image.pixel(5, 2), 0xFF000000u);

    image.fill(0xFF000000);
    DrawSpinArrow(image, image.rect(), false, 0xFFFFFF);
    EXPECT_EQ(image.pixel(5, 2), 0xFFFFFFFFu);
    EXPECT_EQ(image.pixel(8, 5), 0xFFFFFFFFu);
    EXPECT_EQ(image.pixel(5, 5), 0xFF000000u);
}

TEST(SkinnedSpinEdit, DisabledBoxGreysItsLabelAndLabelsTakeThePanelsFont) {
    test::PaintedSkin skin;
    TsGeneralData edit = skin.section(QStringLiteral("PANEL"));
    edit.ClassName = QStringLiteral("EDIT");
    skin.manager.gd.push_back(edit);

    QWidget panel;
    new TacSkinnedPanel(&panel, QStringLiteral("PANEL"));
    QLineEdit box(&panel);
    QLabel label(QStringLiteral("по"), &panel);
    auto* labelLook = new TacSkinnedLabel(&label);
    new TacSkinnedSpinEdit(&box, nullptr, &label);
    box.setEnabled(false);
    EXPECT_FALSE(label.isEnabled());
    box.setEnabled(true);
    EXPECT_TRUE(label.isEnabled());

    // "PANEL" gives its font: the label is written in the panel's font colour.
    EXPECT_EQ(labelLook->skinFontColor(), 0x00FFFF);
    EXPECT_EQ(label.palette().color(QPalette::Active, QPalette::WindowText), QColor(255, 255, 0));
    skin.section(QStringLiteral("PANEL")).GiveOwnFont = false;
    EXPECT_EQ(labelLook->skinFontColor(), skin.manager.GetGlobalFontColor());
}

}  // namespace
}  // namespace lingotab::skins
