#pragma once

// Timers of the skinned controls' animations (fades, scroll-bar tracking and
// repetition). They run on the toolkit's timers, or, with the manual clock
// switched on, only when `advance` moves time on, so tests step time exactly.

#include <QObject>

namespace lingotab::skins {

class TacTimer : public QObject {
    Q_OBJECT
  public:
    explicit TacTimer(QObject* parent = nullptr);
    ~TacTimer() override;

    // (Re)starts with the interval; the first tick comes one interval later.
    void start(int intervalMs);
    void stop();
    bool isActive() const { return active_; }
    int interval() const { return interval_; }

    // Switches every timer, existing and future, to the manual clock or back.
    static void setManualClock(bool manual);
    // Moves the manual clock on by `ms`, firing due timers in time order.
    static void advance(int ms);

  signals:
    void timeout();

  protected:
    void timerEvent(QTimerEvent* event) override;

  private:
    int interval_ = 0;
    int remaining_ = 0;  // manual clock: time to the next tick
    int timerId_ = 0;
    bool active_ = false;
};

}  // namespace lingotab::skins
