#include "hints/manager/hint_scheduler.h"

namespace lingotab::hints {

QtHintScheduler::QtHintScheduler() {
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        // The action may schedule the next one.
        if (auto action = std::exchange(action_, nullptr)) action();
    });
}

void QtHintScheduler::schedule(int milliseconds, std::function<void()> action) {
    action_ = std::move(action);
    timer_.start(milliseconds);
}

void QtHintScheduler::cancel() {
    timer_.stop();
    action_ = nullptr;
}

}  // namespace lingotab::hints
