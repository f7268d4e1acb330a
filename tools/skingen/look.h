#pragma once

#include <QColor>
#include <QSize>
#include <QString>
#include <array>
#include <vector>

#include "tools/skingen/draw.h"
#include "tools/skingen/options_text.h"

namespace lingotab::skingen {

// Where a mask's picture is kept and in which notation the options name it.
enum class Store {
    Master,        // a rectangle of the master bitmap, magenta transparent ("@", "^")
    MasterBanded,  // a rectangle of the master bitmap with a mask band below it
    FileBmp,       // a bitmap file of its own ("!NAME.BMP!..."), with a mask band
    PlainBmp,      // a bitmap file named plainly ("NAME.BMP"), three frames and a mask band
    Png            // a PNG file with alpha ("!NAME.PNG!...")
};

// The drawings used as textures.
enum class Pattern {
    None,
    Brushed,
    Pinstripes,
    Noise,
    Dots,
    Waves,
    Snow,
    Paper,
    Nebula,
    Hatch,
    Carbon,
    Facets,
    Bubbles,
    Lily,
    Sand,
    Weave
};

// Where a texture is kept: in the master bitmap ("~"), a small JPEG file (a
// texture mask when loaded), or a JPEG of more than 899,999 pixels (a pattern).
enum class TextureStore { Master, Jpeg, BigJpeg };

struct Texture {
    Pattern pattern = Pattern::None;
    QSize size{64, 64};
    QColor base, ink;
    int drawMode = 0;   // the engine's fill type of the texture
    int percent = 100;  // IMAGEPERCENT
    TextureStore store = TextureStore::Master;
    bool overlay = false;  // laid over the finished fill through a mask band (fill type 10)
    QString file;          // JPEG file name, upper case
};

// Looks of the title-bar buttons.
enum class IconStyle {
    Glass,    // joined glass buttons, a wide red close button
    Ball,     // round coloured balls
    Plain,    // symbols alone, a soft plate under the hot one
    Classic,  // small raised square buttons
    Tab       // flat rectangles hanging from the top edge
};

// One state's colours of a face with a text or glyph on it.
struct FaceState {
    Face face;
    QColor ink;  // text or glyph colour
};

// Everything that makes one internal skin look as it does. skin_builder.cpp
// turns it into the options text and the images.
struct Look {
    QString name;  // folder name; the skin's full name adds " (internal)"
    QString description;
    QString version = QStringLiteral("7.25");

    // General colours.
    QColor face;    // GLOBALINFO colour: dialogs and the general background
    QColor text;    // general font colour
    QColor accent;  // focus and highlight colour
    QColor accentText;

    // Window frame and title.
    QColor frameOuter, frameInner, frameFill;
    int frameRadius = 6;  // rounding of the top corners
    std::vector<GradientBand> titleActive, titleInactive;
    bool titleHorizontal = false;
    QColor titleText, titleTextInactive;
    QColor titleTextShadow;     // invalid: none
    bool captionPlate = false;  // a "CAPTION" section behind the caption text
    Face captionFace;
    QString formFill;  // gradient text of the window's client area (empty: plain)
    int formGradientPercent = 0;

    // Tool panel.
    QColor panel;
    QString panelGradient;  // empty: plain colour
    int panelGradientPercent = 100;
    QColor panelText;
    bool panelGivesFont = true;
    bool panelEdge = true;  // an etched line at the panel's bottom
    int panelTransparency = 0;

    // Text area and spin box.
    QColor edit, editHot, editText, editBorder, editHotBorder;
    qreal editRadius = 0;

    // Buttons.
    std::array<FaceState, 3> button;  // normal, hot, pressed
    Store buttonStore = Store::Master;
    bool buttonFading = true;
    int buttonFadeSteps = 5;
    bool buttonShowFocus = true;

    // Check boxes and radio marks.
    std::array<Face, 3> box;
    QColor mark;
    Symbol checkSymbol = Symbol::Tick;
    Store checkStore = Store::MasterBanded;

    // Title-bar buttons.
    IconStyle icons = IconStyle::Glass;
    QSize iconSize{25, 18}, closeSize{43, 18};
    QColor iconInk, iconHotInk;
    std::array<Face, 3> iconFace, closeFace;
    Store iconStore = Store::MasterBanded;
    bool iconGlow = false;  // glow pictures behind hot buttons
    QColor glowColor;
    int iconSpacing = 0, iconRightMargin = 2, iconLeftMargin = 2, iconVAlign = 0;

    // Scroll bars and the spin box's buttons.
    std::array<FaceState, 3> scrollButton, slider;
    QColor track, trackEdge;
    bool roundSlider = false;
    Store scrollStore = Store::Master;

    // Menus and selection.
    QColor menu, menuText, menuHot, menuHotText, menuHotBorder, separator;
    QColor iconColumnFrom, iconColumnTo;
    QColor selection, selectionText;

    // Hints.
    QColor hintTop, hintBottom, hintBorder, hintText;
    int hintRadius = 3, hintTransparency = 0;

    // Textures of the window, the title, the panel, the text area and hints.
    Texture formTexture, titleTexture, panelTexture, editTexture, hintTexture;

    Symbol grip = Symbol::GripDots;
};

// The twenty internal skins, in collection order.
std::vector<Look> internalLooks();

}  // namespace lingotab::skingen
