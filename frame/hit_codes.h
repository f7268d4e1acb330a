#pragma once

// Hit codes of the window's parts, as the title bar answers them.

namespace lingotab::frame {

enum THitCode : int {
    HTNOWHERE = 0,
    HTCLIENT = 1,  // also a disabled title button
    HTCAPTION = 2,
    HTSYSMENU = 3,  // the icon
    HTMENU = 5,
    HTMINBUTTON = 8,
    HTMAXBUTTON = 9,
    HTLEFT = 10,
    HTRIGHT = 11,
    HTTOP = 12,
    HTTOPLEFT = 13,
    HTTOPRIGHT = 14,
    HTBOTTOM = 15,
    HTBOTTOMLEFT = 16,
    HTBOTTOMRIGHT = 17,
    HTCLOSE = 20,
    HTHELP = 21,
    HTUDBTN = 1000,  // title button i answers HTUDBTN + i
};

inline bool isTitleButtonCode(int code) {
    return code >= HTUDBTN;
}

inline bool isSizingCode(int code) {
    return code >= HTLEFT && code <= HTBOTTOMRIGHT;
}

}  // namespace lingotab::frame
