#include "tools/skingen/draw.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace lingotab::skingen {

QColor mix(const QColor& a, const QColor& b, qreal s) {
    return QColor::fromRgbF(
        a.redF() * s + b.redF() * (1 - s), a.greenF() * s + b.greenF() * (1 - s),
        a.blueF() * s + b.blueF() * (1 - s), a.alphaF() * s + b.alphaF() * (1 - s));
}

QColor lighter(const QColor& c, int percent) {
    return mix(Qt::white, c, percent / 100.0);
}
QColor darker(const QColor& c, int percent) {
    return mix(Qt::black, c, percent / 100.0);
}

QColor withAlpha(const QColor& c, int alpha) {
    QColor out = c;
    out.setAlpha(alpha);
    return out;
}

QImage framesPicture(int w, int h, int frames,
                     const std::function<void(QPainter&, const QRectF&, int)>& paint) {
    QImage img(w * frames, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < frames; ++i) {
        p.save();
        p.setClipRect(QRect(i * w, 0, w, h));
        paint(p, QRectF(i * w, 0, w, h), i);
        p.restore();
    }
    return img;
}

QPainterPath facePath(const QRectF& r, qreal radius, Corner corner) {
    QPainterPath path;
    if (corner == Corner::Round && radius > 0) {
        path.addRoundedRect(r, radius, radius);
    } else if (corner == Corner::Chamfer && radius > 0) {
        const qreal c = radius;
        path.moveTo(r.left() + c, r.top());
        path.lineTo(r.right() - c, r.top());
        path.lineTo(r.right(), r.top() + c);
        path.lineTo(r.right(), r.bottom() - c);
        path.lineTo(r.right() - c, r.bottom());
        path.lineTo(r.left() + c, r.bottom());
        path.lineTo(r.left(), r.bottom() - c);
        path.lineTo(r.left(), r.top() + c);
        path.closeSubpath();
    } else {
        path.addRect(r);
    }
    return path;
}

void paintFace(QPainter& p, const QRectF& rect, const Face& f) {
    p.save();
    const QRectF r = rect.adjusted(0.5, 0.5, -0.5, -0.5);
    const QPainterPath path = facePath(r, f.radius, f.corner);
    QLinearGradient fill(f.horizontal ? r.topLeft() : r.topLeft(),
                         f.horizontal ? r.topRight() : r.bottomLeft());
    fill.setColorAt(0, f.top);
    fill.setColorAt(1, f.bottom);
    p.fillPath(path, fill);
    p.setClipPath(path, Qt::IntersectClip);
    if (f.streaks) {
        // Deterministic streaks so that every run draws the same skin.
        unsigned seed = 12345;
        for (int y = int(r.top()); y < int(r.bottom()) + 1; ++y) {
            seed = seed * 1103515245u + 12345u;
            const int a = int((seed >> 16) % 28);
            p.fillRect(QRectF(r.left(), y, r.width(), 1),
                       (seed >> 8) & 1 ? withAlpha(Qt::white, a) : withAlpha(Qt::black, a / 2));
        }
    }
    if (f.glass) {
        const QRectF upper(r.left(), r.top(), r.width(), r.height() * 0.48);
        QLinearGradient shine(upper.topLeft(), upper.bottomLeft());
        shine.setColorAt(0, withAlpha(Qt::white, 150));
        shine.setColorAt(1, withAlpha(Qt::white, 40));
        p.fillRect(upper, shine);
    }
    const bool round =
        f.corner == Corner::Round && f.radius * 2 >= std::min(r.width(), r.height()) - 1;
    if ((f.bevel || f.sunken) && round) {
        // Round raised or sunken edges: a light and a dark half ring.
        const QColor light = withAlpha(Qt::white, 230), dark = withAlpha(Qt::black, 130);
        const QRectF ring = r.adjusted(0.5, 0.5, -0.5, -0.5);
        p.setPen(QPen(f.sunken ? dark : light, 1.2));
        p.drawArc(ring, 45 * 16, 180 * 16);
        p.setPen(QPen(f.sunken ? light : dark, 1.2));
        p.drawArc(ring, 225 * 16, 180 * 16);
    } else if (f.bevel || f.sunken) {
        const QColor light = withAlpha(Qt::white, 230), dark = withAlpha(Qt::black, 120);
        const QColor tl = f.sunken ? dark : light, br = f.sunken ? light : dark;
        p.setRenderHint(QPainter::Antialiasing, false);
        const QRect ir = rect.toAlignedRect().adjusted(0, 0, -1, -1);
        p.setPen(tl);
        p.drawLine(ir.topLeft(), ir.topRight());
        p.drawLine(ir.topLeft(), ir.bottomLeft());
        p.setPen(br);
        p.drawLine(ir.bottomLeft(), ir.bottomRight());
        p.drawLine(ir.topRight(), ir.bottomRight());
        p.setPen(withAlpha(tl, 90));
        p.drawLine(ir.topLeft() + QPoint(1, 1), ir.topRight() + QPoint(-1, 1));
        p.drawLine(ir.topLeft() + QPoint(1, 1), ir.bottomLeft() + QPoint(1, -1));
        p.setPen(withAlpha(br, 70));
        p.drawLine(ir.bottomLeft() + QPoint(1, -1), ir.bottomRight() + QPoint(-1, -1));
        p.drawLine(ir.topRight() + QPoint(-1, 1), ir.bottomRight() + QPoint(-1, -1));
    }
    p.setClipping(false);
    if (f.innerLight > 0) {
        p.setPen(QPen(withAlpha(Qt::white, f.innerLight), 1));
        p.drawPath(facePath(r.adjusted(1, 1, -1, -1), std::max<qreal>(0, f.radius - 1), f.corner));
    }
    if (f.border.isValid()) {
        p.setPen(QPen(f.border, 1));
        p.drawPath(path);
    }
    p.restore();
}

void paintSymbol(QPainter& p, const QRectF& box, Symbol s, const QColor& color, qreal weight) {
    p.save();
    const QPointF c = box.center();
    const qreal e = std::min(box.width(), box.height());
    QPen pen(color, weight, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const qreal k = e * 0.26;
    auto triangle = [&](QPointF a, QPointF b, QPointF d) {
        QPainterPath t;
        t.moveTo(a);
        t.lineTo(b);
        t.lineTo(d);
        t.closeSubpath();
        p.setPen(QPen(color, 0.8));
        p.setBrush(color);
        p.drawPath(t);
    };
    switch (s) {
        case Symbol::Close:
            p.drawLine(c + QPointF(-k, -k), c + QPointF(k, k));
            p.drawLine(c + QPointF(-k, k), c + QPointF(k, -k));
            break;
        case Symbol::Maximize:
            p.drawRect(QRectF(c.x() - k, c.y() - k, 2 * k, 2 * k));
            p.drawLine(c + QPointF(-k, -k + weight * 0.6), c + QPointF(k, -k + weight * 0.6));
            break;
        case Symbol::Minimize:
            p.drawLine(c + QPointF(-k, k * 0.8), c + QPointF(k, k * 0.8));
            break;
        case Symbol::Restore: {
            const qreal q = k * 0.8;
            p.drawRect(QRectF(c.x() - k, c.y() - k + q * 0.6, 2 * q, 2 * q));
            p.drawPolyline(QPolygonF({c + QPointF(-k + q * 0.6, -k + q * 0.6 - q * 0.1),
                                      c + QPointF(-k + q * 0.6, -k), c + QPointF(k, -k),
                                      c + QPointF(k, -k + 2 * q - q * 0.6),
                                      c + QPointF(k - q * 0.5, -k + 2 * q - q * 0.6)}));
            break;
        }
        case Symbol::Help: {
            QFont font(QStringLiteral("DejaVu Sans"));
            font.setBold(true);
            font.setPixelSize(int(e * 0.62));
            p.setFont(font);
            p.drawText(box, Qt::AlignCenter, QStringLiteral("?"));
            break;
        }
        case Symbol::ArrowUp:
            triangle(c + QPointF(-k, k * 0.5), c + QPointF(k, k * 0.5), c + QPointF(0, -k * 0.55));
            break;
        case Symbol::ArrowDown:
            triangle(c + QPointF(-k, -k * 0.5), c + QPointF(k, -k * 0.5), c + QPointF(0, k * 0.55));
            break;
        case Symbol::ArrowLeft:
            triangle(c + QPointF(k * 0.5, -k), c + QPointF(k * 0.5, k), c + QPointF(-k * 0.55, 0));
            break;
        case Symbol::ArrowRight:
            triangle(c + QPointF(-k * 0.5, -k), c + QPointF(-k * 0.5, k), c + QPointF(k * 0.55, 0));
            break;
        case Symbol::Tick:
            p.setPen(QPen(color, weight * 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPolyline(QPolygonF({c + QPointF(-e * 0.28, 0), c + QPointF(-e * 0.08, e * 0.22),
                                      c + QPointF(e * 0.3, -e * 0.24)}));
            break;
        case Symbol::Cross:
            p.drawLine(c + QPointF(-k * 1.1, -k * 1.1), c + QPointF(k * 1.1, k * 1.1));
            p.drawLine(c + QPointF(-k * 1.1, k * 1.1), c + QPointF(k * 1.1, -k * 1.1));
            break;
        case Symbol::Dot:
            p.setPen(Qt::NoPen);
            p.setBrush(color);
            p.drawEllipse(c, e * 0.2, e * 0.2);
            break;
        case Symbol::Dash:
            p.setPen(QPen(color, weight * 1.4, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(c + QPointF(-e * 0.22, 0), c + QPointF(e * 0.22, 0));
            break;
        case Symbol::Square:
            p.setPen(Qt::NoPen);
            p.setBrush(color);
            p.drawRect(QRectF(c.x() - e * 0.2, c.y() - e * 0.2, e * 0.4, e * 0.4));
            break;
        case Symbol::GripLines:
            p.setPen(QPen(color, 1));
            for (int i = 0; i < 3; ++i) {
                const qreal d = 3 + i * 4;
                p.drawLine(QPointF(box.right() - d, box.bottom() - 1),
                           QPointF(box.right() - 1, box.bottom() - d));
            }
            break;
        case Symbol::GripDots:
            p.setPen(Qt::NoPen);
            p.setBrush(color);
            for (int row = 0; row < 3; ++row)
                for (int col = 0; col <= row; ++col)
                    p.drawRect(
                        QRectF(box.right() - 3 - col * 4, box.bottom() - 3 - (2 - row) * 4, 2, 2));
            break;
        case Symbol::SliderLines:
            p.setPen(QPen(color, 1));
            for (int i = -1; i <= 1; ++i) {
                if (box.width() >= box.height())
                    p.drawLine(QPointF(c.x() + i * 3, box.top() + 2),
                               QPointF(c.x() + i * 3, box.bottom() - 2));
                else
                    p.drawLine(QPointF(box.left() + 2, c.y() + i * 3),
                               QPointF(box.right() - 2, c.y() + i * 3));
            }
            break;
    }
    p.restore();
}

void paintGlow(QPainter& p, const QRectF& r, const QColor& color) {
    QRadialGradient g(r.center(), std::max(r.width(), r.height()) / 2);
    g.setColorAt(0, withAlpha(color, 200));
    g.setColorAt(0.5, withAlpha(color, 90));
    g.setColorAt(1, withAlpha(color, 0));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(r);
    p.restore();
}

}  // namespace lingotab::skingen
