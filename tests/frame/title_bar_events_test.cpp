// The title bar on a real window: mouse sequences through Qt Test, the
// state animation on a stepped clock, hints, the system menu and the look
// of the buttons.

#include "frame/hit_codes.h"
#include "frame/skin_provider.h"
#include "frame/title_hint.h"
#include "skins/paint/pixels.h"
#include "tests/frame/support/title_skin.h"

#include <gtest/gtest.h>
#include <QCloseEvent>
#include <QMenu>
#include <QTest>

namespace lingotab::frame {
namespace {

using test::kFramePixel;
using test::TitleSkin;

// A window whose close handling may refuse, as a failed settings write does.
class Window : public QWidget {
  public:
    bool keepOpen = false;
    int closeRequests = 0;

  protected:
    void closeEvent(QCloseEvent* event) override {
        ++closeRequests;
        event->setAccepted(!keepOpen);
    }
};

class TitleBar : public ::testing::Test {
  protected:
    void SetUp() override {
        skins::TacTimer::setManualClock(true);
        skin.addStandardPictures();
        provider = new TsSkinProvider(&form, &skin.manager);
        provider->CursorPos = [this] { return cursor; };
        button = provider->TitleButtons().Add();
        button->setGlyph(questionMarkGlyph());
        button->OnMouseDown = record("down");
        button->OnMouseUp = record("up");
        form.resize(500, 300);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        ASSERT_TRUE(provider->drawsFrame());
    }
    void TearDown() override { skins::TacTimer::setManualClock(false); }

    TMouseEvent record(const char* name) {
        return [this, name](TsTitleButton* sender, Qt::MouseButton b, Qt::KeyboardModifiers shift,
                            int x, int y) {
            EXPECT_EQ(sender, button);
            EXPECT_EQ(b, Qt::LeftButton);
            EXPECT_EQ(shift, Qt::NoModifier);
            EXPECT_EQ(QPoint(x, y), cursor);  // screen coordinates
            events.push_back(name);
        };
    }
    QPoint centre(int code) { return provider->captionButton(code)->Rect.center(); }
    void moveTo(QPoint p, Qt::MouseButtons held = Qt::NoButton) {
        cursor = form.mapToGlobal(p);
        QMouseEvent move(QEvent::MouseMove, QPointF(p), QPointF(cursor), Qt::NoButton, held, {});
        QCoreApplication::sendEvent(&form, &move);
    }
    void press(QPoint p) {
        cursor = form.mapToGlobal(p);
        QTest::mousePress(&form, Qt::LeftButton, {}, p);
    }
    void release(QPoint p) {
        cursor = form.mapToGlobal(p);
        QTest::mouseRelease(&form, Qt::LeftButton, {}, p);
    }
    int state(int code) { return provider->captionButton(code)->State; }

    TitleSkin skin;
    Window form;
    TsSkinProvider* provider = nullptr;
    TsTitleButton* button = nullptr;
    QPoint cursor;
    std::vector<std::string> events;
};

TEST_F(TitleBar, PressAndReleaseFireDownThenUp) {
    moveTo(centre(HTUDBTN));
    EXPECT_EQ(provider->CurrentHT, HTUDBTN);
    EXPECT_EQ(state(HTUDBTN), 1);
    press(centre(HTUDBTN));
    EXPECT_EQ(events, std::vector<std::string>{"down"});
    EXPECT_EQ(state(HTUDBTN), 2);
    EXPECT_TRUE(TsSkinProvider::pressedFlag());
    release(centre(HTUDBTN));
    EXPECT_EQ(events, (std::vector<std::string>{"down", "up"}));
    EXPECT_EQ(provider->CurrentHT, 0);
    EXPECT_EQ(state(HTUDBTN), 0);
}

TEST_F(TitleBar, PressLeaveReleaseFiresOnlyDown) {
    press(centre(HTUDBTN));
    moveTo({200, 10}, Qt::LeftButton);  // off the button, onto the caption
    EXPECT_FALSE(TsSkinProvider::pressedFlag());
    EXPECT_EQ(state(HTUDBTN), 0);
    release({200, 10});
    moveTo(centre(HTUDBTN));
    release(centre(HTUDBTN));  // back over it: no press is pending
    EXPECT_EQ(events, std::vector<std::string>{"down"});
}

TEST_F(TitleBar, SecondClickOfADoubleClickFiresNothing) {
    const QPoint p = centre(HTUDBTN);
    press(p);
    release(p);
    QMouseEvent second(QEvent::MouseButtonDblClick, QPointF(p), QPointF(cursor), Qt::LeftButton,
                       Qt::LeftButton, {});
    QCoreApplication::sendEvent(&form, &second);
    release(p);
    EXPECT_EQ(events, (std::vector<std::string>{"down", "up"}));
}

TEST_F(TitleBar, DisabledButtonNeverBecomesHotOrPressed) {
    button->setEnabled(false);
    moveTo(centre(HTUDBTN));
    EXPECT_EQ(provider->CurrentHT, 0);
    press(centre(HTUDBTN));
    release(centre(HTUDBTN));
    EXPECT_EQ(state(HTUDBTN), 0);
    EXPECT_TRUE(events.empty());
}

TEST_F(TitleBar, CloseGoesThroughTheWindowsCloseHandling) {
    form.keepOpen = true;  // an abandoned close keeps the window
    press(centre(HTCLOSE));
    EXPECT_EQ(state(HTCLOSE), 2);
    release(centre(HTCLOSE));
    EXPECT_EQ(form.closeRequests, 1);
    EXPECT_TRUE(form.isVisible());

    press(centre(HTCLOSE));  // a press that leaves the button does nothing
    moveTo({200, 10}, Qt::LeftButton);
    release({200, 10});
    EXPECT_EQ(form.closeRequests, 1);

    form.keepOpen = false;
    QTest::mouseDClick(&form, Qt::LeftButton, {}, provider->layout().Icon.center());
    EXPECT_EQ(form.closeRequests, 2);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(TitleBar, CaptionDoubleClickMaximizesAndRestores) {
    QTest::mouseDClick(&form, Qt::LeftButton, {}, {200, 10});
    EXPECT_TRUE(form.isMaximized());
    // Maximized, the frame lies outside the window: the caption band is
    // the caption height alone and the restore picture shows.
    EXPECT_EQ(form.contentsMargins(), QMargins(0, 22, 0, 0));
    EXPECT_EQ(provider->ButtonMax.ImageIndex,
              skin.manager.GetMaskIndex(QStringLiteral("GLOBALINFO"), QStringLiteral("BICONNORM")));
    QTest::mouseDClick(&form, Qt::LeftButton, {}, {200, 10});
    EXPECT_FALSE(form.isMaximized());
    EXPECT_EQ(form.contentsMargins(), QMargins(4, 26, 4, 4));
}

TEST_F(TitleBar, HotFadesInOverTenTicksAndOutAgain) {
    moveTo(centre(HTCLOSE));
    const TacButtonFade& fade = *provider->ButtonClose.Timer;
    EXPECT_EQ(fade.ShownState(), 1);
    EXPECT_EQ(fade.Level(), 0);
    skins::TacTimer::advance(TacButtonFade::kStepMs);
    EXPECT_EQ(fade.Level(), 25);
    skins::TacTimer::advance(8 * TacButtonFade::kStepMs);
    EXPECT_EQ(fade.Level(), 225);
    skins::TacTimer::advance(TacButtonFade::kStepMs);
    EXPECT_EQ(fade.Level(), 255);

    // The pointer left without a word from the window: the next tick notices.
    cursor = form.mapToGlobal(QPoint(200, 150));
    skins::TacTimer::advance(TacButtonFade::kStepMs);
    EXPECT_EQ(provider->CurrentHT, 0);
    skins::TacTimer::advance(TacButtonFade::kStepMs);
    EXPECT_EQ(fade.Level(), 230);
    EXPECT_EQ(fade.ShownState(), 1);
    skins::TacTimer::advance(10 * TacButtonFade::kStepMs);
    EXPECT_EQ(fade.Level(), 0);
    EXPECT_EQ(fade.ShownState(), 0);
    EXPECT_FALSE(fade.running());

    press(centre(HTCLOSE));  // pressed shows at once
    EXPECT_EQ(fade.ShownState(), 2);
    EXPECT_EQ(fade.Level(), 255);
}

TEST_F(TitleBar, HintShowsBesideTheCursorUntilPressed) {
    button->setHint(QStringLiteral("Read me"));
    moveTo(centre(HTUDBTN));
    ASSERT_TRUE(button->HintWnd);
    EXPECT_EQ(button->HintWnd->pos(), cursor + QPoint(8, 16));
    press(centre(HTUDBTN));
    EXPECT_FALSE(button->HintWnd);
}

TEST(TitleHintPlacement, StaysInsideTheWorkArea) {
    const QRect work(0, 0, 1000, 700);
    EXPECT_EQ(titleHintPos({100, 100}, {50, 20}, work), QPoint(108, 116));
    EXPECT_EQ(titleHintPos({980, 100}, {50, 20}, work), QPoint(950, 116));
    EXPECT_EQ(titleHintPos({100, 690}, {50, 20}, work), QPoint(108, 680));
}

TEST_F(TitleBar, SystemMenuStartsWithTheSkinSubmenu) {
    skins::TsStoredSkin a, b;
    a.Name = QStringLiteral("A (internal)");
    b.Name = QStringLiteral("B (internal)");
    skin.manager.setInternalSkins({a, b});
    QMenu menu;
    provider->fillSystemMenu(menu);
    provider->fillSystemMenu(menu);  // a second drop rebuilds the same menu
    const QList<QAction*> items = menu.actions();
    ASSERT_GE(items.size(), 3);
    EXPECT_EQ(items[0]->objectName(), QStringLiteral("SkinSelectItem"));
    EXPECT_EQ(items[0]->menu()->actions().size(), 2);
    EXPECT_TRUE(items[1]->isSeparator());
    EXPECT_EQ(items.back()->text(), QStringLiteral("Close"));
    EXPECT_EQ(std::count_if(items.begin(), items.end(),
                            [](QAction* a) { return a->objectName() == "SkinSelectItem"; }),
              1);
}

TEST_F(TitleBar, InactiveOrDisabledButtonsAreHalfTransparent) {
    const QRect r = provider->captionButton(HTUDBTN)->Rect;
    const QPoint corner = r.topLeft() + QPoint(1, 1);  // outside the glyph
    const QRgb band = skins::colorToPixel(test::kTitleColor);
    const QRgb half = qRgb((qRed(band) * 128 + qRed(kFramePixel[0]) * 127 + 127) / 256,
                           (qGreen(band) * 128 + qGreen(kFramePixel[0]) * 127 + 127) / 256,
                           (qBlue(band) * 128 + qBlue(kFramePixel[0]) * 127 + 127) / 256);
    form.setWindowTitle(QString());
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    ASSERT_TRUE(provider->FormActive);
    QImage image = provider->frameImage();
    EXPECT_EQ(image.pixel(200, 2), skins::colorToPixel(test::kTitleHotColor));
    EXPECT_EQ(image.pixel(corner), kFramePixel[0]);

    QWidget other;  // another window takes the activation
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    ASSERT_FALSE(provider->FormActive);
    image = provider->frameImage();
    EXPECT_EQ(image.pixel(200, 2), band);
    EXPECT_EQ(image.pixel(corner), half);

    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    button->setEnabled(false);
    const QRgb hotBand = skins::colorToPixel(test::kTitleHotColor);
    EXPECT_EQ(provider->frameImage().pixel(corner),
              qRgb((qRed(hotBand) * 128 + qRed(kFramePixel[0]) * 127 + 127) / 256,
                   (qGreen(hotBand) * 128 + qGreen(kFramePixel[0]) * 127 + 127) / 256,
                   (qBlue(hotBand) * 128 + qBlue(kFramePixel[0]) * 127 + 127) / 256));
}

}  // namespace
}  // namespace lingotab::frame
