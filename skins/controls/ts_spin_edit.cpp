#include "skins/controls/ts_spin_edit.h"

#include "platform/integer_text.h"
#include "skins/controls/skinned_label.h"
#include "skins/controls/skinned_spin_edit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QPainter>
#include <QStyleOption>
#include <algorithm>

namespace lingotab::skins {

namespace {
constexpr int kButtonWidth = 15;
constexpr int kWheelNotch = 120;
}  // namespace

TsSpinButton::TsSpinButton(QWidget* parent)
    : QWidget(parent), TacSkinSectionHolder(QStringLiteral("SPINBTN")) {
    setCursor(Qt::ArrowCursor);
    setFocusPolicy(Qt::NoFocus);
    connect(&repeat_, &QTimer::timeout, this, &TsSpinButton::repeat);
}

void TsSpinButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    pressed_ = event->position().y() < height() / 2.0 ? kUp : kDown;
    step();
    repeat_.start(kFirstRepeatMs);
    update();
}

void TsSpinButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    pressed_ = kNone;
    repeat_.stop();
    update();
}

void TsSpinButton::step() {
    if (pressed_ == kUp) emit upClick();
    if (pressed_ == kDown) emit downClick();
}

void TsSpinButton::repeat() {
    if (pressed_ == kNone || !isEnabled()) {
        repeat_.stop();
        return;
    }
    repeat_.setInterval(kRepeatMs);
    step();
}

void TsSpinButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintStandard(painter);
}

// The toolkit's look: two bevelled halves with an arrow each.
void TsSpinButton::paintStandard(QPainter& painter) {
    const int half = height() / 2;
    const QRect halves[] = {QRect(0, 0, width(), half), QRect(0, half, width(), height() - half)};
    for (int i = 0; i < 2; ++i) {
        QStyleOptionButton bevel;
        bevel.initFrom(this);
        bevel.rect = halves[i];
        const bool down = pressed_ == (i == 0 ? kUp : kDown);
        bevel.state |= down ? QStyle::State_Sunken : QStyle::State_Raised;
        style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &bevel, &painter, this);
        QStyleOption arrow;
        arrow.initFrom(this);
        arrow.rect = halves[i].adjusted(3, 1, -3, -1);
        style()->drawPrimitive(i == 0 ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown,
                               &arrow, &painter, this);
    }
}

TsSpinEdit::TsSpinEdit(QWidget* parent)
    : QLineEdit(parent),
      TacSkinSectionHolder(QStringLiteral("EDIT")),
      boundLabel_(new TsLabel(parent)),
      button_(new TsSpinButton(this)) {
    setTextMargins(0, 0, kButtonWidth, 0);
    new TacSkinnedSpinEdit(this, button_, boundLabel_);  // the skinned look, while a skin is active
    connect(button_, &TsSpinButton::upClick, this, [this] { stepBy(1); });
    connect(button_, &TsSpinButton::downClick, this, [this] { stepBy(-1); });
}

TsSpinEdit::~TsSpinEdit() {
    delete boundLabel_.data();
}

int TsSpinEdit::Value() const {
    return platform::parseInteger(text()).value_or(minValue_);
}

int TsSpinEdit::CheckValue(int value) const {
    if (minValue_ == 0 && maxValue_ == 0) return value;
    if (value < minValue_) return minValue_;
    if (maxValue_ != 0 && value > maxValue_) return maxValue_;
    return value;
}

void TsSpinEdit::setValue(int value) {
    setText(QString::number(CheckValue(value)));
}

void TsSpinEdit::stepBy(int steps) {
    if (!isEnabled() || isReadOnly()) return;
    const qint64 next = qint64(Value()) + qint64(steps) * increment_;
    setValue(static_cast<int>(std::clamp<qint64>(next, INT32_MIN, INT32_MAX)));
}

bool TsSpinEdit::acceptsCharacter(char32_t c) const {
    if (c == U'\r') return false;
    if (c < 0x20 || c == 0x7F) return true;  // Backspace, Escape, clipboard shortcuts
    if (c == U'+' || c == U'-' || (c >= U'0' && c <= U'9')) return true;
    const QString separator = QLocale::system().decimalPoint();
    return separator.size() == 1 && c == separator.front().unicode();
}

void TsSpinEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        stepBy(event->key() == Qt::Key_Up ? 1 : -1);
        event->accept();
        return;
    }
    const QString typed = event->text();
    if (!typed.isEmpty()) {
        for (const char32_t c : typed.toUcs4()) {
            if (!acceptsCharacter(c)) {
                QApplication::beep();
                emit characterRefused(typed.front());
                event->accept();
                return;
            }
        }
    }
    QLineEdit::keyPressEvent(event);
}

void TsSpinEdit::wheelEvent(QWheelEvent* event) {
    if (!isEnabled()) return;
    wheelRest_ += event->angleDelta().y();
    const int notches = wheelRest_ / kWheelNotch;
    wheelRest_ -= notches * kWheelNotch;
    if (notches != 0) stepBy(notches);
    event->accept();
}

void TsSpinEdit::focusOutEvent(QFocusEvent* event) {
    const int value = Value();
    if (CheckValue(value) != value) setValue(value);
    QLineEdit::focusOutEvent(event);
}

void TsSpinEdit::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    const QRect inside = contentsRect();
    button_->setGeometry(spinButtonGeometry(
        this,
        QRect(inside.right() - kButtonWidth + 1, inside.top(), kButtonWidth, inside.height())));
    placeBoundLabel();
}

void TsSpinEdit::moveEvent(QMoveEvent* event) {
    QLineEdit::moveEvent(event);
    placeBoundLabel();
}

bool TsSpinEdit::event(QEvent* event) {
    // The label follows the edit's visibility.
    if (boundLabel_ && (event->type() == QEvent::Show || event->type() == QEvent::Hide))
        boundLabel_->setVisible(event->type() == QEvent::Show);
    return QLineEdit::event(event);
}

void TsSpinEdit::setBoundLabelCaption(const QString& caption) {
    if (!boundLabel_) return;
    boundLabel_->setText(caption);
    placeBoundLabel();
}

// The label sits right against the edit's left side, centred on its height.
void TsSpinEdit::placeBoundLabel() {
    if (!boundLabel_) return;
    boundLabel_->adjustSize();
    const QSize size = boundLabel_->size();
    boundLabel_->move(boundLabelPosition(geometry(), size));
}

}  // namespace lingotab::skins
