#pragma once

// Where the parts of the title bar go: the button pictures the skin gives,
// the system buttons and the extra title buttons from right to left, the
// icon and the caption text area. Pure arithmetic on the skin's masks and
// values, so that every rectangle can be checked without a window.

#include "skins/options/skin_content.h"

#include <QRect>
#include <QSize>
#include <vector>

namespace lingotab::frame {

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog };

// Single and sizeable windows carry the large pictures, the icon and spacing.
inline bool hasFullCaption(TFormBorderStyle style) {
    return style == bsSingle || style == bsSizeable;
}

// The size a button takes without a picture of its own.
inline constexpr int kDefaultButtonSize = 21;
// The gap between the system buttons and the first title button.
inline constexpr int kTitleButtonsGap = 8;

// One button as the layout places it.
struct TacButtonPlace {
    int ImageIndex = -1;  // its picture mask; -1: none
    QRect Rect;           // window coordinates
    bool Shown = false;   // placed and painted
    bool Enabled = true;
    bool HaveAlignment = false;  // follows the skin's vertical alignment rule
    int HitCode = 0;
};

struct TacTitleButtonInput {
    bool Visible = true;
    bool Enabled = true;
    bool UseSkinData = true;
    QSize Glyph;  // empty: no glyph
};

// The window as the title bar sees it.
struct TacTitleBarInput {
    TFormBorderStyle BorderStyle = bsSizeable;
    int Width = 0;          // caption width: the window's width
    int CaptionHeight = 0;  // the system's caption height
    int F = 0;              // frame value, horizontally and vertically
    bool Maximized = false;
    bool Minimized = false;
    bool SystemMenu = true;  // also makes the close button visible
    bool VisibleMin = true;
    bool VisibleMax = true;
    bool Help = false;  // the border icons include help
    bool EnabledMin = true;
    bool EnabledMax = true;
    bool EnabledRestore = true;
    bool ShowAppIcon = true;
    bool HasCaptionSection = false;  // the skin has a "CAPTION" section
    QSize TitleIcon;                 // 0: automatic size
    std::vector<TacTitleButtonInput> TitleButtons;
};

struct TacTitleBarLayout {
    TacButtonPlace Close, Max, Min, Help;
    std::vector<TacButtonPlace> TitleButtons;
    int UserBtnIndex = -1;  // the "TITLEBUTTON" mask
    int ButtonHeight = kDefaultButtonSize;
    int Spacing = 0;
    QRect Icon;  // zero width when no icon is shown
    // The width the buttons take from the right end of the band: right
    // margin, buttons, spacings and the gap before the title buttons.
    int ButtonsWidth = 0;
    int TextLeft = 0;    // caption text area, left edge inclusive
    int TextRight = 0;   // right edge exclusive
    int BandHeight = 0;  // F + caption height

    // The system buttons in hit-testing order: close, maximize, minimize, help.
    const TacButtonPlace* systemButtons(int i) const {
        const TacButtonPlace* all[] = {&Close, &Max, &Min, &Help};
        return all[i];
    }
};

// Frame size of mask `index`: one frame's width and one band's height;
// empty for an invalid index.
QSize maskFrameSize(const skins::TacSkinContent& skin, int index);

// The icon's size for a caption of `captionHeight` pixels, unless given.
int autoIconSize(int given, int captionHeight);

TacTitleBarLayout LayoutTitleBar(const skins::TacSkinContent& skin, const TacTitleBarInput& in);

}  // namespace lingotab::frame
