#include "frame/title_hint.h"

#include <QApplication>
#include <QPropertyAnimation>
#include <QScreen>
#include <algorithm>

namespace lingotab::frame {

namespace {

constexpr QPoint kCursorOffset(8, 16);
constexpr int kFadeMs = 200;
constexpr qsizetype kLongestFadedHint = 100;

}  // namespace

QPoint titleHintPos(QPoint cursor, QSize size, const QRect& workArea) {
    QPoint p = cursor + kCursorOffset;
    p.setX(std::max(workArea.left(), std::min(p.x(), workArea.right() + 1 - size.width())));
    p.setY(std::max(workArea.top(), std::min(p.y(), workArea.bottom() + 1 - size.height())));
    return p;
}

TacTitleHint::TacTitleHint(const QString& text, QPoint cursor)
    : QLabel(text, nullptr,
             Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus |
                 Qt::WindowStaysOnTopHint) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    setMargin(2);
    setFrameShape(QFrame::Box);
    setWordWrap(false);
    setMaximumWidth(kMaxWidth);
    if (sizeHint().width() > kMaxWidth) setWordWrap(true);
    adjustSize();

    const QScreen* screen = QGuiApplication::screenAt(cursor);
    if (!screen) screen = QGuiApplication::primaryScreen();
    move(screen ? titleHintPos(cursor, size(), screen->availableGeometry())
                : cursor + kCursorOffset);

    if (QApplication::isEffectEnabled(Qt::UI_FadeTooltip) && text.size() < kLongestFadedHint) {
        auto* fade = new QPropertyAnimation(this, "windowOpacity", this);
        fade->setDuration(kFadeMs);
        fade->setStartValue(0.0);
        fade->setEndValue(1.0);
        fade->start(QAbstractAnimation::DeleteWhenStopped);
    }
    show();
}

}  // namespace lingotab::frame
