// The text area's skinned scroll bars: thumb geometry, and the requests that
// presses, repetition and dragging send, with time stepped by hand.

#include "skins/scroll/ac_edit_wnd.h"
#include "skins/scroll/ac_scroll_bar.h"
#include "tests/skins/support/painted_skin.h"

#include <gtest/gtest.h>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

namespace lingotab::skins {
namespace {

TEST(ScrollGeometry, ThumbLengthAndOffset) {
    struct Case {
        int bar, button;
        TacScrollInfo info;
        TacThumb thumb;
    } cases[] = {
        {200, 17, {0, 99, 10, 0}, {0, 16}},     // T 166: 10 * 166 / 100
        {200, 17, {0, 99, 10, 90}, {150, 16}},  // at the end
        {200, 17, {0, 99, 10, 45}, {75, 16}},
        {200, 17, {0, 99, 0, 0}, {0, 17}},       // no page: as long as a button
        {200, 17, {0, 99, 10, 500}, {150, 16}},  // limited to the track
        {200, 17, {-2147483647, 2147483647, 10, 0}, {0, 0}},
    };
    for (const Case& c : cases) {
        const TacThumb t = thumbGeometry(c.bar, c.button, c.info);
        EXPECT_EQ(t.offset, c.thumb.offset) << c.info.nPos;
        EXPECT_EQ(t.length, c.thumb.length) << c.info.nPos;
    }
    EXPECT_EQ(thumbGeometry(200, 17, {0, 99, 10, 0}, 30).length, 30);
    EXPECT_EQ(partAt(5, 200, 17, {0, 99, 10, 0}), spLineUp);
    EXPECT_EQ(partAt(190, 200, 17, {0, 99, 10, 0}), spLineDown);
    EXPECT_EQ(partAt(20, 200, 17, {0, 99, 10, 0}), spThumb);
    EXPECT_EQ(partAt(100, 200, 17, {0, 99, 10, 0}), spPageDown);
    EXPECT_EQ(positionFromThumb(150, 200, 17, {0, 99, 10, 0}), 90);
}

class SkinnedScrollBars : public ::testing::Test {
  protected:
    void SetUp() override {
        TacTimer::setManualClock(true);
        window.resize(300, 200);
        memo.setGeometry(0, 0, 300, 200);
        memo.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        memo.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        look = new TacEditWnd(&memo);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void TearDown() override { TacTimer::setManualClock(false); }

    void fill(int lines) {
        QStringList text;
        for (int i = 0; i < lines; ++i) text << QStringLiteral("line %1").arg(i);
        memo.setPlainText(text.join(u'\n'));
        QCoreApplication::processEvents();
    }
    QScrollBar* vbar() { return memo.verticalScrollBar(); }
    QList<int> codes(const QSignalSpy& spy) {
        QList<int> result;
        for (const QList<QVariant>& call : spy) result << call.at(0).toInt();
        return result;
    }

    test::PaintedSkin skin;
    QWidget window;
    QPlainTextEdit memo{&window};
    TacEditWnd* look;
};

TEST_F(SkinnedScrollBars, HeldArrowRepeatsAfter300MsThenEvery55WhileThePointerStaysOnIt) {
    fill(200);
    QSignalSpy sent(look->sBarVert(), &TacScrollBar::requestSent);
    const QPoint arrow(vbar()->width() / 2, vbar()->height() - 3);
    QTest::mousePress(vbar(), Qt::LeftButton, {}, arrow);
    EXPECT_EQ(codes(sent), QList<int>({spLineDown}));
    EXPECT_EQ(vbar()->value(), 1);
    TacTimer::advance(299);
    EXPECT_EQ(sent.count(), 1);
    TacTimer::advance(1);
    EXPECT_EQ(sent.count(), 2);
    TacTimer::advance(55);
    EXPECT_EQ(sent.count(), 3);
    QTest::mouseMove(vbar(), {arrow.x(), 60});
    TacTimer::advance(110);
    EXPECT_EQ(sent.count(), 3);  // paused off the arrow
    QTest::mouseMove(vbar(), arrow);
    TacTimer::advance(55);
    EXPECT_EQ(sent.count(), 4);
    QTest::mouseRelease(vbar(), Qt::LeftButton, {}, arrow);
    EXPECT_EQ(codes(sent).last(), spEndScroll);
    EXPECT_EQ(vbar()->value(), 4);
    TacTimer::advance(200);
    EXPECT_EQ(sent.count(), 5);
}

TEST_F(SkinnedScrollBars, TrackBelowTheThumbPagesAtOnceAndRepeats) {
    fill(200);
    QSignalSpy sent(look->sBarVert(), &TacScrollBar::requestSent);
    const QPoint below(vbar()->width() / 2, vbar()->height() - 30);
    QTest::mousePress(vbar(), Qt::LeftButton, {}, below);
    EXPECT_EQ(codes(sent), QList<int>({spPageDown}));
    EXPECT_EQ(vbar()->value(), vbar()->pageStep());
    TacTimer::advance(300);
    EXPECT_EQ(codes(sent), QList<int>({spPageDown, spPageDown}));
    QTest::mouseRelease(vbar(), Qt::LeftButton, {}, below);
}

TEST_F(SkinnedScrollBars, DraggingTheThumbToTheEndSendsRisingTrackPositions) {
    fill(200);
    QSignalSpy sent(look->sBarVert(), &TacScrollBar::requestSent);
    const int button = look->sBarVert()->buttonLength();
    const QPoint thumb(vbar()->width() / 2, button + 2);
    QTest::mousePress(vbar(), Qt::LeftButton, {}, thumb);
    EXPECT_TRUE(look->sBarVert()->thumbTracking());
    for (int y = button + 20; y <= vbar()->height(); y += 20)
        QTest::mouseMove(vbar(), {thumb.x(), y});
    QTest::mouseMove(vbar(), {thumb.x(), vbar()->height() + 50});
    QTest::mouseRelease(vbar(), Qt::LeftButton, {}, {thumb.x(), vbar()->height() + 50});

    ASSERT_GE(sent.count(), 4);
    int last = -1;
    for (int i = 0; i < sent.count() - 2; ++i) {
        EXPECT_EQ(sent.at(i).at(0).toInt(), spThumb);
        EXPECT_GT(sent.at(i).at(1).toInt(), last);
        last = sent.at(i).at(1).toInt();
    }
    EXPECT_EQ(last, vbar()->maximum());
    EXPECT_EQ(sent.at(sent.count() - 2).at(0).toInt(), spThumbPosition);
    EXPECT_EQ(sent.at(sent.count() - 2).at(1).toInt(), last);
    EXPECT_EQ(sent.last().at(0).toInt(), spEndScroll);
    EXPECT_EQ(vbar()->value(), vbar()->maximum());
}

TEST_F(SkinnedScrollBars, TextThatFitsGivesADisabledBarThatIgnoresPresses) {
    fill(2);
    QSignalSpy sent(look->sBarVert(), &TacScrollBar::requestSent);
    QTest::mousePress(vbar(), Qt::LeftButton, {}, {5, vbar()->height() - 3});
    QTest::mouseRelease(vbar(), Qt::LeftButton, {}, {5, vbar()->height() - 3});
    EXPECT_EQ(sent.count(), 0);
}

TEST_F(SkinnedScrollBars, HotPartFollowsThePointerEvery20Ms) {
    fill(200);
    TacScrollBar* bar = look->sBarVert();
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(vbar(), &enter);
    QTest::mouseMove(vbar(), {5, vbar()->height() - 3});
    EXPECT_EQ(bar->hotPart(), spNone);
    TacTimer::advance(TacScrollBar::kHotTrackMs);
    EXPECT_EQ(bar->hotPart(), spLineDown);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(vbar(), &leave);
    TacTimer::advance(TacScrollBar::kHotTrackMs);
    EXPECT_EQ(bar->hotPart(), spNone);
}

}  // namespace
}  // namespace lingotab::skins
