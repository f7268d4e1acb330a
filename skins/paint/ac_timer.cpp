#include "skins/paint/ac_timer.h"

#include <QTimerEvent>
#include <algorithm>
#include <vector>

namespace lingotab::skins {

namespace {

bool manualClock = false;
std::vector<TacTimer*>& allTimers() {
    static std::vector<TacTimer*> timers;
    return timers;
}

}  // namespace

TacTimer::TacTimer(QObject* parent) : QObject(parent) {
    allTimers().push_back(this);
}

TacTimer::~TacTimer() {
    auto& timers = allTimers();
    timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
}

void TacTimer::start(int intervalMs) {
    stop();
    interval_ = std::max(intervalMs, 1);
    remaining_ = interval_;
    active_ = true;
    if (!manualClock) timerId_ = startTimer(interval_, Qt::PreciseTimer);
}

void TacTimer::stop() {
    if (timerId_ != 0) killTimer(timerId_);
    timerId_ = 0;
    active_ = false;
}

void TacTimer::timerEvent(QTimerEvent* event) {
    if (event->timerId() == timerId_) emit timeout();
}

void TacTimer::setManualClock(bool manual) {
    manualClock = manual;
    for (TacTimer* timer : allTimers()) {
        if (timer->active_) timer->start(timer->interval_);
    }
}

void TacTimer::advance(int ms) {
    while (true) {
        TacTimer* next = nullptr;
        for (TacTimer* timer : allTimers()) {
            if (timer->active_ && (next == nullptr || timer->remaining_ < next->remaining_))
                next = timer;
        }
        if (next == nullptr || next->remaining_ > ms) break;
        const int elapsed = next->remaining_;
        ms -= elapsed;
        for (TacTimer* timer : allTimers()) {
            if (timer->active_) timer->remaining_ -= elapsed;
        }
        next->remaining_ = next->interval_;
        emit next->timeout();  // may start, stop or delete timers
    }
    for (TacTimer* timer : allTimers()) {
        if (timer->active_) timer->remaining_ -= ms;
    }
}

}  // namespace lingotab::skins
