#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace lingotab::hints {

// The corner of the hint rectangle that lies at the mouse point.
enum TacMousePosition { mpLeftTop, mpLeftBottom, mpRightTop, mpRightBottom };

struct HintPlacement {
    QPoint topLeft;
    TacMousePosition mousePos;
};

// Where a hint of `size` anchored at `anchor` goes: its `defaultPos` corner
// at the anchor, moved back inside the monitor nearest to it (full monitor
// bounds, from `monitors`) when it would cross an edge, and the corner that
// then lies at the anchor. The skinned look stops at the crossed edge; the
// template look flips to the other side of the anchor (and 16 pixels above
// it when it crosses the right edge). No monitor: placed at the default
// corner, reported as mpLeftTop.
HintPlacement GetArrowPos(QSize size, QPoint anchor, TacMousePosition defaultPos, bool skinned,
                          const QList<QRect>& monitors);

// The full bounds of every monitor of the desktop.
QList<QRect> monitorBounds();

// The monitor a point belongs to: the one containing it, else the nearest.
const QRect* nearestMonitor(const QList<QRect>& monitors, QPoint point);

}  // namespace lingotab::hints
