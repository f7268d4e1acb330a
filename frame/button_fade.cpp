#include "frame/button_fade.h"

#include <algorithm>

namespace lingotab::frame {

TacButtonFade::TacButtonFade(QObject* parent) : QObject(parent), timer_(this) {
    connect(&timer_, &skins::TacTimer::timeout, this, &TacButtonFade::tick);
}

void TacButtonFade::setState(int state) {
    target_ = state;
    if (state == 2) {
        timer_.stop();
        shown_ = 2;
        level_ = 255;
        emit changed();
        return;
    }
    if (state == 1) shown_ = 1;
    if (shown_ == 0) return;  // normal and nothing shown: nothing to fade
    if (!timer_.isActive()) timer_.start(kStepMs);
}

void TacButtonFade::reset() {
    timer_.stop();
    target_ = shown_ = level_ = 0;
}

void TacButtonFade::tick() {
    if (target_ == 0) {
        level_ = std::max(0, level_ - kStepAlpha);
        if (level_ == 0) {
            shown_ = 0;
            timer_.stop();
        }
        emit changed();
    } else if (level_ < 255) {
        // Ten steps of 255 div 10, the last one reaching 255.
        level_ = level_ + kStepAlpha >= kSteps * kStepAlpha ? 255 : level_ + kStepAlpha;
        emit changed();
    } else if (PointerInside && !PointerInside()) {
        timer_.stop();
        emit pointerLeft();
    }
}

}  // namespace lingotab::frame
