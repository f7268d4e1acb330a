#include "app/anchors.h"

#include <QEvent>

namespace lingotab::app {

TRightAnchors::TRightAnchors(QWidget* container, int designWidth)
    : QObject(container), container_(container), designWidth_(designWidth) {
    container->installEventFilter(this);
}

void TRightAnchors::add(QWidget* control) {
    anchored_.push_back({control, designWidth_ - control->geometry().right() - 1});
}

void TRightAnchors::place(const Anchored& anchored) const {
    if (container_->width() <= 0) return;  // not laid out yet
    QWidget* control = anchored.control;
    control->move(container_->width() - anchored.rightDistance - control->width(), control->y());
}

bool TRightAnchors::eventFilter(QObject* watched, QEvent* event) {
    if (watched == container_ && event->type() == QEvent::Resize)
        for (const Anchored& anchored : anchored_) place(anchored);
    return false;
}

}  // namespace lingotab::app
