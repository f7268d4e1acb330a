#pragma once

// A button of the title bar: its place and picture as laid out, its state
// and its state animation.

#include "frame/button_fade.h"

#include <QRect>
#include <memory>

namespace lingotab::frame {

struct TsCaptionButton {
    int State = 0;        // 0 normal, 1 hot, 2 pressed
    int ImageIndex = -1;  // picture mask in the skin; -1: none
    QRect Rect;           // window coordinates
    bool HaveAlignment = false;
    int GlowID = -1;
    std::unique_ptr<TacButtonFade> Timer;  // made on the first change of state
    unsigned HitCode = 0;
    bool Shown = false;
    bool Enabled = true;
};

}  // namespace lingotab::frame
