#include "frame/hit_test.h"

#include "frame/hit_codes.h"

namespace lingotab::frame {

namespace {

int systemButtonCode(const TacButtonPlace& button, const TacHitInput& in) {
    switch (button.HitCode) {
        case HTMAXBUTTON:
            return in.EnabledMax || (in.EnabledRestore && !in.Minimized) ? HTMAXBUTTON : HTCAPTION;
        case HTMINBUTTON:
            return in.EnabledMin || in.Minimized ? HTMINBUTTON : HTCAPTION;
        default:
            return button.HitCode;
    }
}

int sizingCode(bool top, bool bottom, bool left, bool right) {
    if (top) return left ? HTTOPLEFT : right ? HTTOPRIGHT : HTTOP;
    if (bottom) return left ? HTBOTTOMLEFT : right ? HTBOTTOMRIGHT : HTBOTTOM;
    if (left) return HTLEFT;
    if (right) return HTRIGHT;
    return HTNOWHERE;
}

}  // namespace

TacHit HitTestTitleBar(const TacTitleBarLayout& layout, const TacHitInput& in, QPoint p) {
    for (int i = 0; i < 4; ++i) {
        const TacButtonPlace& button = *layout.systemButtons(i);
        if (button.Shown && button.Rect.contains(p)) return {systemButtonCode(button, in), true};
    }
    for (const TacButtonPlace& button : layout.TitleButtons) {
        if (button.Shown && button.Rect.contains(p))
            return {button.Enabled ? button.HitCode : HTCLIENT, true};
    }
    if (!in.Maximized && in.SizingFrame) {
        const int code = sizingCode(p.y() < in.F, p.y() >= in.Window.height() - in.F, p.x() < in.F,
                                    p.x() >= in.Window.width() - in.F);
        if (code != HTNOWHERE) return {code, false};
    }
    const int band = in.F + in.CaptionHeight;
    if (p.y() < band) return {layout.Icon.contains(p) ? HTSYSMENU : HTCAPTION, false};
    if (p.y() < band + in.MenuHeight) return {HTMENU, false};
    return {HTCLIENT, false};
}

}  // namespace lingotab::frame
