#include "hints/manager/hint_machinery.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QToolTip>

#include "hints/window/hint_window.h"
#include "platform/exception.h"

namespace lingotab::hints {
namespace {

// The hint sits below the visible part of the pointer.
constexpr int kCursorHeight = 20;

int screenWidthAt(QPoint point) {
    const QScreen* screen = QGuiApplication::screenAt(point);
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 0;
}

}  // namespace

QWidget* hintOwner(QWidget* widget) {
    while (widget && widget->toolTip().isEmpty() && !widget->isWindow())
        widget = widget->parentWidget();
    return widget && !widget->toolTip().isEmpty() ? widget : nullptr;
}

QString GetShortHint(const QString& hint) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.left(bar);
}

TacHintMachinery::TacHintMachinery(std::unique_ptr<HintScheduler> scheduler)
    : scheduler_(scheduler ? std::move(scheduler) : std::make_unique<QtHintScheduler>()) {}

TacHintMachinery::~TacHintMachinery() = default;

TacHintMachinery& TacHintMachinery::Application() {
    // Parented to the application, so that its window goes before Qt does.
    static QPointer<TacHintMachinery> machinery;
    if (!machinery) {
        machinery = new TacHintMachinery;
        machinery->setParent(QCoreApplication::instance());
    }
    return *machinery;
}

void TacHintMachinery::setHintWindowClass(HintWindowClass windowClass) {
    scheduler_->cancel();
    window_.reset();
    showing_ = false;
    hintControl_ = nullptr;
    const bool wasInstalled = installed();
    windowClass_ = std::move(windowClass);
    if (!qApp || wasInstalled == installed()) return;
    if (installed()) {
        qApp->installEventFilter(this);
    } else {
        qApp->removeEventFilter(this);
    }
}

bool TacHintMachinery::eventFilter(QObject* watched, QEvent* event) {
    if (!watched->isWidgetType()) return false;
    switch (event->type()) {
        case QEvent::ToolTip:
            return true;  // our hints instead of Qt's
        case QEvent::Enter:
        case QEvent::Leave:
            mouseOver(QApplication::widgetAt(QCursor::pos()));
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::Wheel:
            if (showing_ || hintControl_) CancelHint();
            break;
        default:
            break;
    }
    return false;
}

void TacHintMachinery::mouseOver(QWidget* widget) {
    QWidget* control = hintOwner(widget);
    if (control == hintControl_) return;
    hintControl_ = control;
    if (!control) {
        scheduler_->cancel();
        hideHint();
        return;
    }
    // A shown hint stays until the next one replaces it.
    scheduler_->schedule(showing_ ? HintShortPause : HintPause, [this] { activateHint(); });
}

void TacHintMachinery::CancelHint() {
    scheduler_->cancel();
    hideHint();
}

void TacHintMachinery::activateHint() {
    QWidget* control = hintControl_;
    if (!control || !windowClass_) return;
    const QPoint cursor = QCursor::pos();
    THintInfo info{control, cursor + QPoint(0, kCursorHeight), screenWidthAt(cursor),
                   GetShortHint(control->toolTip())};
    QString hint = info.HintStr;
    bool canShow = true;
    if (OnShowHint) OnShowHint(hint, canShow, info);
    if (!canShow || hint.isEmpty()) {
        hideHint();
        return;
    }
    if (!window_) window_ = windowClass_();
    try {
        QRect rect = window_->CalcHintRect(info.HintMaxWidth, hint);
        rect.moveTo(info.HintPos);
        window_->ActivateHint(rect, hint);
    } catch (const Exception&) {
        // A hint whose markup cannot be read is not shown.
        hideHint();
        return;
    }
    showing_ = true;
    scheduler_->schedule(HintHidePause, [this] { hideHint(); });
}

void TacHintMachinery::hideHint() {
    if (window_) window_->hide();
    showing_ = false;
}

}  // namespace lingotab::hints
