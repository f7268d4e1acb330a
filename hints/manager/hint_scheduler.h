#pragma once

#include <QTimer>
#include <functional>

namespace lingotab::hints {

// One pending action of the hint machinery after a pause. An interface so
// that tests step time themselves instead of waiting.
class HintScheduler {
  public:
    virtual ~HintScheduler() = default;
    // Replaces any pending action.
    virtual void schedule(int milliseconds, std::function<void()> action) = 0;
    virtual void cancel() = 0;
};

class QtHintScheduler : public HintScheduler {
  public:
    QtHintScheduler();
    void schedule(int milliseconds, std::function<void()> action) override;
    void cancel() override;

  private:
    QTimer timer_;
    std::function<void()> action_;
};

}  // namespace lingotab::hints
