#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <functional>

namespace lingotab::skingen {

// How the corners of a face are cut.
enum class Corner { Square, Round, Chamfer };

// One state of a raised element (button, title icon, scroll button, check box).
struct Face {
    QColor top, bottom;  // fill, from the upper edge to the lower edge
    QColor border;       // outline; invalid: none
    qreal radius = 3;    // corner size
    Corner corner = Corner::Round;
    bool glass = false;       // a bright upper half over the fill
    bool bevel = false;       // classic raised edges: light top-left, dark bottom-right
    bool sunken = false;      // the bevel reversed
    int innerLight = 60;      // alpha of a light line inside the outline (0: none)
    bool horizontal = false;  // the fill runs from the left edge to the right edge
    bool streaks = false;     // fine brushed streaks across the fill
};

// Marks drawn on faces and as glyphs.
enum class Symbol {
    Close,
    Maximize,
    Minimize,
    Restore,
    Help,
    ArrowUp,
    ArrowDown,
    ArrowLeft,
    ArrowRight,
    Tick,
    Cross,
    Dot,
    Dash,
    Square,
    GripLines,
    GripDots,
    SliderLines
};

// A transparent ARGB picture of `frames` frames of w x h side by side, each
// drawn by `paint(painter, frameRect, frameIndex)` with antialiasing.
QImage framesPicture(int w, int h, int frames,
                     const std::function<void(QPainter&, const QRectF&, int)>& paint);

void paintFace(QPainter& p, const QRectF& r, const Face& face);
// The outline path of a face's shape.
QPainterPath facePath(const QRectF& r, qreal radius, Corner corner);

// Draws `symbol` centred in `box`, `weight` being the stroke width.
void paintSymbol(QPainter& p, const QRectF& box, Symbol symbol, const QColor& color,
                 qreal weight = 1.6);

// A soft round glow of `color`, strongest at the centre.
void paintGlow(QPainter& p, const QRectF& r, const QColor& color);

// Colour helpers.
QColor mix(const QColor& a, const QColor& b, qreal share_of_a);
QColor lighter(const QColor& c, int percent);  // towards white
QColor darker(const QColor& c, int percent);   // towards black
QColor withAlpha(const QColor& c, int alpha);

}  // namespace lingotab::skingen
