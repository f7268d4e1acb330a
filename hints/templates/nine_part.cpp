#include "hints/templates/nine_part.h"

#include <QPainter>
#include <algorithm>

namespace lingotab::hints {
namespace {

constexpr int kMaxBorder = 255;

void fill(QPainter& painter, const QImage& source, const QRect& from, const QRect& to,
          TacBorderDrawMode mode) {
    if (from.isEmpty() || to.isEmpty()) return;
    if (mode == dmStretch) {
        painter.drawImage(to, source, from);
        return;
    }
    for (int y = to.top(); y <= to.bottom(); y += from.height()) {
        for (int x = to.left(); x <= to.right(); x += from.width()) {
            const int w = std::min(from.width(), to.right() - x + 1);
            const int h = std::min(from.height(), to.bottom() - y + 1);
            painter.drawImage(QPoint(x, y), source, QRect(from.topLeft(), QSize(w, h)));
        }
    }
}

}  // namespace

void drawNinePart(QImage& target, const TacHintImage& picture) {
    const QImage& source = picture.Image();
    if (source.isNull() || target.isNull()) return;
    const TacBordersSizes& borders = picture.BordersWidths();
    const int l = std::min(borders.left(), kMaxBorder);
    const int t = std::min(borders.top(), kMaxBorder);
    const int r = std::min(borders.right(), kMaxBorder);
    const int b = std::min(borders.bottom(), kMaxBorder);
    const int sw = source.width();
    const int sh = source.height();
    const int tw = target.width();
    const int th = target.height();

    // Columns and rows of the cut, in the picture and in the target.
    const int sx[] = {0, l, sw - r, sw};
    const int sy[] = {0, t, sh - b, sh};
    const int tx[] = {0, l, tw - r, tw};
    const int ty[] = {0, t, th - b, th};
    const TacBorderDrawModes& modes = picture.BorderDrawModes();
    using M = TacBorderDrawModes;
    const M::Index part[3][3] = {{M::Top, M::Top, M::Top},
                                 {M::Left, M::Center, M::Right},
                                 {M::Bottom, M::Bottom, M::Bottom}};

    QPainter painter(&target);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const QRect from(QPoint(sx[column], sy[row]),
                             QPoint(sx[column + 1] - 1, sy[row + 1] - 1));
            const QRect to(QPoint(tx[column], ty[row]),
                           QPoint(tx[column + 1] - 1, ty[row + 1] - 1));
            const bool corner = row != 1 && column != 1;
            if (corner) {
                painter.drawImage(to.topLeft(), source, from);
            } else {
                fill(painter, source, from, to, modes.value(part[row][column]));
            }
        }
    }
}

}  // namespace lingotab::hints
