#pragma once

// The state animation of one title-bar button: its hot or pressed look laid
// over the normal one with a rising or falling share, ticking every 12 ms.
// Becoming hot fades in over 10 ticks, pressed shows at once, normal fades
// out from wherever the share stands.

#include "skins/paint/ac_timer.h"

#include <functional>

namespace lingotab::frame {

class TacButtonFade : public QObject {
    Q_OBJECT
  public:
    static constexpr int kStepMs = 12;
    static constexpr int kSteps = 10;
    static constexpr int kStepAlpha = 255 / kSteps;

    explicit TacButtonFade(QObject* parent = nullptr);

    // 0 normal, 1 hot, 2 pressed.
    void setState(int state);
    // Drops the animation at once (a new picture, a new skin).
    void reset();

    // The look being laid over the normal one (1 or 2; 0: none) and its
    // share, 0..255.
    int ShownState() const { return shown_; }
    int Level() const { return level_; }
    bool running() const { return timer_.isActive(); }

    // Asked on every tick once a fade-in is complete: false when the pointer
    // has left the button without the window hearing of it.
    std::function<bool()> PointerInside;

  signals:
    void changed();
    // The pointer was found outside the hot button.
    void pointerLeft();

  private:
    void tick();

    skins::TacTimer timer_;
    int target_ = 0;
    int shown_ = 0;
    int level_ = 0;
};

}  // namespace lingotab::frame
