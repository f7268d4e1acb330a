#include "skins/controls/ts_spin_edit.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QTimerEvent>

namespace lingotab::skins {
namespace {

class SpinEditTest : public ::testing::Test {
  protected:
    SpinEditTest() {
        spin->setGeometry(50, 5, 42, 21);
        spin->setMinValue(2);
        spin->setMaxValue(100);
        spin->setValue(4);
        panel.show();
    }
    void leave() {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(spin, &out);
    }
    void wheel(int delta) {
        QWheelEvent event(QPointF(5, 5), QPointF(55, 10), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(spin, &event);
    }
    QWidget panel;
    TsSpinEdit* spin = new TsSpinEdit(&panel);
};

TEST_F(SpinEditTest, ReadsTheTextWithoutClamping) {
    const std::pair<const char*, int> cases[] = {
        {"", 2}, {"abc", 2}, {"150", 150}, {"-7", -7}, {"$10", 16}, {" 7", 7}, {"1.5", 2},
    };
    for (const auto& [text, value] : cases) {
        spin->setText(QLatin1String(text));
        EXPECT_EQ(spin->Value(), value) << text;
    }
}

TEST_F(SpinEditTest, ClampsWhenSetAndWhenTheFocusLeaves) {
    const std::pair<const char*, const char*> leaving[] = {
        {"150", "100"}, {"1", "2"}, {"", ""}, {"abc", "abc"}, {"50", "50"}, {"$10", "$10"},
    };
    for (const auto& [typed, shown] : leaving) {
        spin->setText(QLatin1String(typed));
        leave();
        EXPECT_EQ(spin->text(), QLatin1String(shown)) << typed;
    }
    spin->setValue(1000);
    EXPECT_EQ(spin->text(), QStringLiteral("100"));

    // A bound of 0 is no bound; both 0 lift every limit.
    struct Bounds {
        int min, max, value, checked;
    };
    const Bounds bounds[] = {{2, 0, 5000, 5000}, {2, 0, 1, 2}, {0, 10, -5, 0}, {0, 0, -5, -5}};
    for (const Bounds& b : bounds) {
        spin->setMinValue(b.min);
        spin->setMaxValue(b.max);
        EXPECT_EQ(spin->CheckValue(b.value), b.checked) << b.min << " " << b.max << " " << b.value;
    }
}

TEST_F(SpinEditTest, KeysWheelAndArrowsStepWithinTheRange) {
    wheel(120);
    EXPECT_EQ(spin->text(), QStringLiteral("5"));
    wheel(60);
    EXPECT_EQ(spin->text(), QStringLiteral("5"));  // half a notch
    wheel(60);
    EXPECT_EQ(spin->text(), QStringLiteral("6"));
    wheel(-240);
    EXPECT_EQ(spin->text(), QStringLiteral("4"));
    QTest::keyClick(spin, Qt::Key_Up);
    EXPECT_EQ(spin->text(), QStringLiteral("5"));
    QTest::keyClick(spin, Qt::Key_Down);
    QTest::keyClick(spin, Qt::Key_Down);
    QTest::keyClick(spin, Qt::Key_Down);
    EXPECT_EQ(spin->text(), QStringLiteral("2"));  // the down arrow at 2 changes nothing

    spin->setValue(100);
    TsSpinButton* button = spin->Button();
    const QPoint up(button->width() / 2, 2), down(button->width() / 2, button->height() - 2);
    QTest::mouseClick(button, Qt::LeftButton, {}, up);
    EXPECT_EQ(spin->text(), QStringLiteral("100"));
    QTest::mouseClick(button, Qt::LeftButton, {}, down);
    EXPECT_EQ(spin->text(), QStringLiteral("99"));
    spin->setText(QString());
    QTest::mouseClick(button, Qt::LeftButton, {}, up);
    EXPECT_EQ(spin->text(), QStringLiteral("3"));  // the empty text counts as 2
}

TEST_F(SpinEditTest, HeldArrowRepeatsAfter400ThenEvery100Ms) {
    TsSpinButton* button = spin->Button();
    QTimer* timer = button->repeatTimer();
    const auto expire = [timer] {
        QTimerEvent event(timer->timerId());
        QApplication::sendEvent(timer, &event);
    };
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(button->width() / 2, 2));
    EXPECT_EQ(spin->text(), QStringLiteral("5"));
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 400);
    expire();
    EXPECT_EQ(spin->text(), QStringLiteral("6"));
    EXPECT_EQ(timer->interval(), 100);
    expire();
    EXPECT_EQ(spin->text(), QStringLiteral("7"));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(button->width() / 2, 2));
    EXPECT_FALSE(timer->isActive());
}

TEST_F(SpinEditTest, TypedCharactersAreFiltered) {
    QSignalSpy refused(spin, &TsSpinEdit::characterRefused);
    spin->setText(QString());
    spin->setFocus();
    QTest::keyClicks(spin, QStringLiteral("-1a+2. 3"));
    EXPECT_EQ(spin->text(), QStringLiteral("-1+2.3"));  // "." is the C locale's separator
    EXPECT_EQ(refused.count(), 2);
    // Characters beyond Latin-1 are refused, also one whose low byte is a digit.
    for (const QChar c : {QChar(0x042F), QChar(0x0135)}) {
        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(spin, &key);
    }
    EXPECT_EQ(spin->text(), QStringLiteral("-1+2.3"));
    EXPECT_EQ(refused.count(), 4);
    QTest::keyClick(spin, Qt::Key_Return);
    EXPECT_EQ(refused.count(), 5);
    QTest::keyClick(spin, Qt::Key_Backspace);
    EXPECT_EQ(spin->text(), QStringLiteral("-1+2."));
    EXPECT_EQ(refused.count(), 5);
}

TEST_F(SpinEditTest, DisabledKeepsItsValueAndIgnoresInput) {
    spin->setEnabled(false);
    QTest::keyClick(spin, Qt::Key_Up);
    wheel(120);
    QTest::mouseClick(spin->Button(), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(spin->text(), QStringLiteral("4"));
    EXPECT_EQ(spin->Value(), 4);
}

}  // namespace
}  // namespace lingotab::skins
