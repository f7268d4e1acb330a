#pragma once

#include <functional>

#include "hints/manager/hint_scheduler.h"

namespace lingotab::hints::test {

// A scheduler that only remembers: tests read the pause it was given and
// let it elapse with fire().
class ManualScheduler : public HintScheduler {
  public:
    void schedule(int milliseconds, std::function<void()> action) override {
        pause = milliseconds;
        action_ = std::move(action);
    }
    void cancel() override {
        pause = -1;
        action_ = nullptr;
    }
    // Runs the pending action; false when there is none.
    bool fire() {
        auto action = std::exchange(action_, nullptr);
        pause = -1;
        if (!action) return false;
        action();
        return true;
    }

    int pause = -1;  // of the pending action, -1 when none

  private:
    std::function<void()> action_;
};

}  // namespace lingotab::hints::test
