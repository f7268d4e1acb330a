#include "frame/title_buttons.h"

#include <QPainter>
#include <QPainterPath>

namespace lingotab::frame {

QImage questionMarkGlyph() {
    QImage glyph(12, 12, QImage::Format_ARGB32);
    glyph.fill(Qt::transparent);
    QPainter painter(&glyph);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor darkGrey(64, 64, 64);
    // The hook: an arc over the top, bending down into the stem.
    QPainterPath hook;
    hook.moveTo(3.0, 4.2);
    hook.cubicTo(3.0, 1.2, 9.0, 1.2, 9.0, 4.0);
    hook.cubicTo(9.0, 5.6, 6.0, 5.8, 6.0, 7.6);
    painter.setPen(QPen(darkGrey, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(hook);
    painter.setPen(Qt::NoPen);
    painter.setBrush(darkGrey);
    painter.drawEllipse(QPointF(6.0, 10.1), 1.1, 1.1);
    return glyph;
}

}  // namespace lingotab::frame
