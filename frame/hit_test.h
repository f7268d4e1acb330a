#pragma once

// Which part of the window lies under a point, in the order the title bar
// asks: buttons first, then the sizing edges, the caption band, the menu
// band and the client area.

#include "frame/title_layout.h"

#include <QPoint>
#include <QSize>

namespace lingotab::frame {

struct TacHitInput {
    QSize Window;  // in the layout's coordinates
    int F = 0;
    int CaptionHeight = 0;
    int MenuHeight = 0;
    bool SizingFrame = true;
    bool Maximized = false;
    bool Minimized = false;
    bool EnabledMin = true;
    bool EnabledMax = true;
    bool EnabledRestore = true;
};

struct TacHit {
    int Code = 0;
    bool Button = false;  // answered by a button of the title bar
};

// `p` is relative to the window's top-left corner.
TacHit HitTestTitleBar(const TacTitleBarLayout& layout, const TacHitInput& in, QPoint p);

}  // namespace lingotab::frame
