// Skinned push buttons and check boxes on a panel, driven by Qt Test events
// with the animation clock stepped by hand.

#include "skins/controls/skinned_button.h"
#include "skins/controls/skinned_check_box.h"
#include "skins/controls/skinned_panel.h"
#include "skins/paint/pixels.h"
#include "tests/skins/support/painted_skin.h"

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace lingotab::skins {
namespace {

using test::PaintedSkin;

class SkinnedControls : public ::testing::Test {
  protected:
    void SetUp() override {
        TacTimer::setManualClock(true);
        window.resize(300, 120);
        panelLook = new TacSkinnedPanel(&panel, QStringLiteral("PANEL"));
        panel.setGeometry(0, 0, 300, 120);
        button.setGeometry(10, 10, 80, 25);
        button.setText(QStringLiteral("Open"));
        buttonLook = new TacSkinnedButton(&button);
        box.move(10, 50);
        box.setText(QStringLiteral("Only translated"));
        boxLook = new TacSkinnedCheckBox(&box);
        box.resize(boxLook->autoSize());
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void TearDown() override { TacTimer::setManualClock(false); }

    PaintedSkin skin;
    QWidget window;
    QWidget panel{&window};
    QPushButton button{&panel};
    QCheckBox box{&panel};
    TacSkinnedPanel* panelLook;
    TacSkinnedButton* buttonLook;
    TacSkinnedCheckBox* boxLook;
};

TEST_F(SkinnedControls, ButtonStatesFollowMouseFocusAndPress) {
    box.setFocus();
    EXPECT_EQ(buttonLook->CurrentState(), 0);
    EXPECT_EQ(pixelToColor(buttonLook->image().pixel(40, 3)), test::kButtonColor);

    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(&button, &enter);
    EXPECT_EQ(buttonLook->CurrentState(), 1);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&button, &leave);
    EXPECT_EQ(buttonLook->CurrentState(), 0);

    QTest::mousePress(&button, Qt::LeftButton, {}, {40, 12});
    EXPECT_EQ(buttonLook->CurrentState(), 2);
    // Pressed and moved out: normal, and the release there is no click.
    QSignalSpy clicks(&button, &QPushButton::clicked);
    QTest::mouseMove(&button, {200, 90});
    QMouseEvent move(QEvent::MouseMove, QPointF(200, 90), QPointF(200, 90), Qt::NoButton,
                     Qt::LeftButton, {});
    QCoreApplication::sendEvent(&button, &move);
    EXPECT_EQ(buttonLook->CurrentState(), 1);  // no longer pressed; hot as the press focused it
    QTest::mouseRelease(&button, Qt::LeftButton, {}, {200, 90});
    EXPECT_EQ(clicks.count(), 0);

    button.setFocus();
    EXPECT_EQ(buttonLook->CurrentState(), 1);  // focused: hot although the mouse is elsewhere
    EXPECT_EQ(pixelToColor(buttonLook->image().pixel(40, 3)), test::kButtonHotColor);
}

TEST_F(SkinnedControls, ButtonWindowExcludesMagentaCorners) {
    buttonLook->image();
    EXPECT_FALSE(button.mask().isEmpty());
    EXPECT_FALSE(button.mask().contains(QPoint(0, 0)));
    EXPECT_FALSE(button.mask().contains(QPoint(1, 0)));
    EXPECT_TRUE(button.mask().contains(QPoint(1, 1)));
    // A click on the corner pixel reaches the panel.
    EXPECT_EQ(panel.childAt(button.pos()), nullptr);
    EXPECT_EQ(panel.childAt(button.pos() + QPoint(1, 1)), &button);
}

TEST_F(SkinnedControls, FocusFrameOnlyWhenTheSectionShowsFocus) {
    button.setFocus();
    const auto framePixel = [&] {
        const QImage& image = buttonLook->image();
        const QRect r = buttonLook->CaptionRect().adjusted(-1, -1, 1, 1);
        return pixelToColor(image.pixel(r.topLeft()));
    };
    EXPECT_EQ(framePixel(), clBlack);
    skin.section(QStringLiteral("BUTTON")).ShowFocus = false;
    buttonLook->invalidate();
    EXPECT_EQ(framePixel(), test::kButtonHotColor);
}

TEST_F(SkinnedControls, HoverFadeTakesFiveStepsAndPressFadeTwo) {
    box.setFocus();
    buttonLook->image();
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(&button, &enter);
    TsFadeTimer* fade = buttonLook->fadeTimer();
    int steps = 0;
    while (fade->running() && steps < 20) {
        TacTimer::advance(TsFadeTimer::kStepMs);
        ++steps;
    }
    EXPECT_EQ(steps, 5);

    QTest::mousePress(&button, Qt::LeftButton, {}, {40, 12});
    steps = 0;
    while (fade->running() && steps < 20) {
        TacTimer::advance(TsFadeTimer::kStepMs);
        ++steps;
    }
    EXPECT_EQ(steps, 2);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, {40, 12});
}

TEST_F(SkinnedControls, FadeShowsTheOldImageShrinkingAndNoFadeWhenDisabledInTheSkin) {
    box.setFocus();
    buttonLook->image();
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(&button, &enter);
    TsFadeTimer* fade = buttonLook->fadeTimer();
    ASSERT_TRUE(fade->running());
    TacTimer::advance(TsFadeTimer::kStepMs);
    const int mid = qRed(fade->frame(buttonLook->image()).pixel(40, 3));
    EXPECT_GT(mid, 0x80);
    EXPECT_LT(mid, 0xA0);
    fade->finish();

    skin.section(QStringLiteral("BUTTON")).FadingEnabled = false;
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&button, &leave);
    EXPECT_FALSE(fade->running());
}

TEST_F(SkinnedControls, CheckBoxTogglesOnlyWhenReleasedInside) {
    QSignalSpy toggled(&box, &QCheckBox::toggled);
    const QPoint inside(6, box.height() / 2);
    QTest::mouseClick(&box, Qt::LeftButton, {}, inside);
    EXPECT_TRUE(box.isChecked());
    EXPECT_EQ(toggled.count(), 1);

    QTest::mousePress(&box, Qt::LeftButton, {}, inside);
    QMouseEvent move(QEvent::MouseMove, QPointF(500, 500), QPointF(500, 500), Qt::NoButton,
                     Qt::LeftButton, {});
    QCoreApplication::sendEvent(&box, &move);
    QTest::mouseRelease(&box, Qt::LeftButton, {}, {500, 500});
    EXPECT_TRUE(box.isChecked());
    EXPECT_EQ(toggled.count(), 1);
}

TEST_F(SkinnedControls, CheckBoxShowsTheGlyphOverThePanelAndFadesWhenDisabled) {
    const QImage& image = boxLook->image();
    const QSize glyph = boxLook->glyphSize();
    EXPECT_EQ(glyph, QSize(4, 4));
    const QPoint inGlyph(TacSkinnedCheckBox::kMargin + 1, (box.height() - 4) / 2 + 1);
    EXPECT_EQ(image.pixel(inGlyph), test::kGlyphPixel);
    // Transparent section: the panel shows beside the glyph.
    EXPECT_EQ(pixelToColor(image.pixel(0, 0)), test::kPanelColor);
    EXPECT_EQ(box.size(), boxLook->autoSize());
    EXPECT_EQ(box.height(), std::max(4, QFontMetrics(box.font()).height() + 4) + 2);

    box.setEnabled(false);
    const QImage& disabled = boxLook->image();
    const QRgb panelPixel = colorToPixel(test::kPanelColor);
    const auto mix = [](int own, int under) { return (own * 40 + under * 60 + 50) / 100; };
    EXPECT_EQ(qGreen(disabled.pixel(inGlyph)), mix(qGreen(test::kGlyphPixel), qGreen(panelPixel)));
    EXPECT_EQ(qRed(disabled.pixel(inGlyph)), mix(qRed(test::kGlyphPixel), qRed(panelPixel)));
}

TEST_F(SkinnedControls, CheckBoxCaptionTakesTheFontOfThePanelUnderIt) {
    EXPECT_EQ(boxLook->fontSection(0), skin.manager.GetSkinIndex(QStringLiteral("PANEL")));
    skin.section(QStringLiteral("PANEL")).GiveOwnFont = false;
    EXPECT_EQ(boxLook->fontSection(0), skin.checkBox);
}

}  // namespace
}  // namespace lingotab::skins
