#include "hints/window/hint_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <limits>

namespace lingotab::hints {
namespace {

qint64 distanceSquared(const QRect& monitor, QPoint p) {
    const qint64 dx = std::max({qint64(monitor.left()) - p.x(), qint64(0),
                                qint64(p.x()) - (qint64(monitor.left()) + monitor.width() - 1)});
    const qint64 dy = std::max({qint64(monitor.top()) - p.y(), qint64(0),
                                qint64(p.y()) - (qint64(monitor.top()) + monitor.height() - 1)});
    return dx * dx + dy * dy;
}

}  // namespace

QList<QRect> monitorBounds() {
    QList<QRect> result;
    for (const QScreen* screen : QGuiApplication::screens()) result.append(screen->geometry());
    return result;
}

const QRect* nearestMonitor(const QList<QRect>& monitors, QPoint point) {
    const QRect* best = nullptr;
    qint64 bestDistance = std::numeric_limits<qint64>::max();
    for (const QRect& monitor : monitors) {
        const qint64 d = distanceSquared(monitor, point);
        if (d < bestDistance) {
            best = &monitor;
            bestDistance = d;
        }
    }
    return best;
}

HintPlacement GetArrowPos(QSize size, QPoint anchor, TacMousePosition defaultPos, bool skinned,
                          const QList<QRect>& monitors) {
    const int w = size.width();
    const int h = size.height();
    bool atTop = defaultPos == mpLeftTop || defaultPos == mpRightTop;
    bool atLeft = defaultPos == mpLeftTop || defaultPos == mpLeftBottom;
    int left = anchor.x() - (atLeft ? 0 : w);
    int top = anchor.y() - (atTop ? 0 : h);
    const QRect* monitor = nearestMonitor(monitors, QPoint(left, top));
    if (!monitor) return {QPoint(left, top), mpLeftTop};

    // Edges are exclusive; right and bottom stay as they were before any
    // move, as the tests of the four edges are made one after the other.
    const int right = left + w;
    const int bottom = top + h;
    const int monitorRight = monitor->left() + monitor->width();
    const int monitorBottom = monitor->top() + monitor->height();
    if (bottom > monitorBottom) {
        top = skinned ? monitorBottom - h : anchor.y() - h;
        atTop = false;
    }
    if (top < monitor->top()) {
        top = monitor->top();
        atTop = true;
    }
    if (right > monitorRight) {
        if (skinned) {
            left = monitorRight - w;
        } else {
            left = anchor.x() - w;
            top = anchor.y() - 16;
        }
        atLeft = false;
    }
    if (left < monitor->left()) {
        left = monitor->left();
        atLeft = true;
    }
    const TacMousePosition corner =
        atTop ? (atLeft ? mpLeftTop : mpRightTop) : (atLeft ? mpLeftBottom : mpRightBottom);
    return {QPoint(left, top), corner};
}

}  // namespace lingotab::hints
