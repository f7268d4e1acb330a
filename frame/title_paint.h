#pragma once

// Painting the frame and the title bar into the window's frame picture:
// the window section, the title band in the window's state, the icon, the
// "TITLEBAR" mask and the caption text; and one button over the band.

#include "frame/caption_button.h"
#include "frame/title_layout.h"

#include <QFont>
#include <QImage>
#include <QString>

namespace lingotab::frame {

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

struct TacFramePaintInput {
    QSize Size;             // the frame picture, in layout coordinates
    int FormIndex = -1;     // "FORM"
    int TitleIndex = -1;    // the title band's section
    int CaptionIndex = -1;  // "CAPTION"
    int TitleBarMask = -1;  // "TITLEBAR" of the window's section
    bool Active = false;
    bool Maximized = false;
    bool HasSystemButtons = true;
    QImage Icon;  // already at the icon's size
    QString Caption;
    QFont Font;
    bool RightToLeft = false;
    TAlignment Alignment = taLeftJustify;
};

// The frame picture without buttons.
QImage PaintFrame(const skins::TacSkinContent& skin, const TacTitleBarLayout& layout,
                  const TacFramePaintInput& in);

// Where the caption text goes: the text as shown (cut with an ellipsis when
// too long) and its rectangle.
struct TacCaptionText {
    QString Text;
    QRect Rect;
};
TacCaptionText placeCaption(const TacTitleBarLayout& layout, const TacFramePaintInput& in);

// One button as it looks over `background` (the frame picture under its
// rectangle): its picture in `State`, the glyph centred (a pixel down and
// right while pressed), half transparent while normal in an inactive window
// or disabled, and the state animation's look laid over it.
QImage PaintButton(const skins::TacSkinContent& skin, const QImage& background,
                   const TsCaptionButton& button, const QImage& glyph, bool formActive);

}  // namespace lingotab::frame
