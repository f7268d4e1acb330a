#include "tools/skingen/textures.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace lingotab::skingen {
namespace {

// A small deterministic generator: every run draws the same skins.
class Random {
  public:
    explicit Random(unsigned seed) : state_(seed) {}
    unsigned next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    double unit() { return (next() % 10000) / 10000.0; }

  private:
    unsigned state_;
};

QRgb shade(const QColor& c, double d) {
    auto ch = [d](int v) { return std::clamp(int(std::lround(v + d)), 0, 255); };
    return qRgb(ch(c.red()), ch(c.green()), ch(c.blue()));
}

void brushed(QImage& img, const QColor& base, double strength) {
    Random r(7);
    const int w = img.width(), h = img.height();
    std::vector<double> row(w);
    for (int y = 0; y < h; ++y) {
        // Each line is a streak: a random level, varied slowly along the line.
        const double level = (r.unit() - 0.5) * strength;
        for (int x = 0; x < w; ++x) row[x] = (r.unit() - 0.5) * strength * 0.5;
        for (int x = 0; x < w; ++x) {
            const double smooth = (row[x] + row[(x + 1) % w] + row[(x + 2) % w]) / 3;
            img.setPixel(x, y, shade(base, level + smooth));
        }
    }
}

void fill(QImage& img, const QColor& c) {
    img.fill(c);
}

void tileDraw(QImage& img, const std::function<void(QPainter&, QPointF)>& draw) {
    // Draws at the offsets that make the tile wrap around its edges.
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) draw(p, QPointF(dx * img.width(), dy * img.height()));
}

}  // namespace

QImage drawPattern(const Texture& t) {
    QImage img(t.size, QImage::Format_ARGB32_Premultiplied);
    const QColor base = t.base, ink = t.ink;
    const int w = t.size.width(), h = t.size.height();
    if (t.overlay)
        img.fill(Qt::transparent);
    else
        fill(img, base);
    switch (t.pattern) {
        case Pattern::None:
            break;
        case Pattern::Brushed:
            brushed(img, base, 22);
            break;
        case Pattern::Pinstripes: {
            brushed(img, base, 8);
            QPainter p(&img);
            for (int y = 0; y < h; y += 4) p.fillRect(0, y, w, 1, withAlpha(ink, 60));
            break;
        }
        case Pattern::Noise: {
            Random r(11);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) img.setPixel(x, y, shade(base, (r.unit() - 0.5) * 10));
            break;
        }
        case Pattern::Sand: {
            Random r(5);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    const double n =
                        (r.unit() - 0.5) * 14 + 4 * std::sin(y * 6.283 / h * 2 + x * 0.1);
                    img.setPixel(x, y, shade(base, n));
                }
            break;
        }
        case Pattern::Dots:
            tileDraw(img, [&](QPainter& p, QPointF o) {
                p.setPen(Qt::NoPen);
                p.setBrush(ink);
                p.drawEllipse(o + QPointF(w * 0.25, h * 0.25), 1.2, 1.2);
                p.drawEllipse(o + QPointF(w * 0.75, h * 0.75), 1.2, 1.2);
            });
            break;
        case Pattern::Waves:
            tileDraw(img, [&](QPainter& p, QPointF o) {
                p.setPen(QPen(ink, 1.2));
                for (int k = 0; k < 2; ++k) {
                    QPainterPath path;
                    const double y0 = h * (0.25 + 0.5 * k);
                    path.moveTo(o + QPointF(0, y0));
                    for (int x = 1; x <= w; ++x)
                        path.lineTo(o + QPointF(x, y0 + 3 * std::sin(x * 6.283 / w + k)));
                    p.drawPath(path);
                }
            });
            break;
        case Pattern::Snow:
            tileDraw(img, [&](QPainter& p, QPointF o) {
                Random r(3);
                p.setPen(QPen(ink, 1, Qt::SolidLine, Qt::RoundCap));
                for (int i = 0; i < 6; ++i) {
                    const QPointF c = o + QPointF(r.unit() * w, r.unit() * h);
                    const double s = 2 + r.unit() * 3.5;
                    for (int a = 0; a < 3; ++a) {
                        const double ang = a * 3.14159 / 3;
                        const QPointF d(std::cos(ang) * s, std::sin(ang) * s);
                        p.drawLine(c - d, c + d);
                    }
                }
            });
            break;
        case Pattern::Paper: {
            // A notebook's margin: a tinted strip ending in a double red line.
            QPainter p(&img);
            p.fillRect(0, 0, w, h, withAlpha(ink, 28));
            p.fillRect(w - 4, 0, 1, h, QColor(0xe0, 0x70, 0x70));
            p.fillRect(w - 2, 0, 1, h, QColor(0xe8, 0x9a, 0x9a));
            break;
        }
        case Pattern::Nebula: {
            QPainter p(&img);
            p.setRenderHint(QPainter::Antialiasing);
            Random r(19);
            // Clouds of the ink colour and a lighter base, brightest along the top
            // where the tool panel shows them.
            for (int i = 0; i < 18; ++i) {
                const QPointF c(r.unit() * w, i < 8 ? r.unit() * h * 0.15 : r.unit() * h);
                const double rad =
                    (i < 8 ? 0.06 + r.unit() * 0.12 : 0.15 + r.unit() * 0.35) * std::max(w, h);
                QRadialGradient g(c, rad);
                const QColor col = i % 3 == 0   ? QColor(0x38, 0xc8, 0xff)
                                   : i % 3 == 1 ? ink
                                                : lighter(base, 30);
                g.setColorAt(0, withAlpha(col, i < 8 ? 110 : 80));
                g.setColorAt(1, withAlpha(col, 0));
                p.fillRect(img.rect(), g);
            }
            p.setPen(Qt::NoPen);
            for (int i = 0; i < 900; ++i) {
                p.setBrush(withAlpha(Qt::white, 60 + int(r.unit() * 160)));
                p.drawEllipse(QPointF(r.unit() * w, r.unit() * h), 0.7, 0.7);
            }
            break;
        }
        case Pattern::Hatch:
            tileDraw(img, [&](QPainter& p, QPointF o) {
                p.setPen(QPen(ink, 1));
                for (int k = -w; k < w; k += 6)
                    p.drawLine(o + QPointF(k, h), o + QPointF(k + h, 0));
            });
            break;
        case Pattern::Carbon: {
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    const bool a = ((x / 4) + (y / 4)) % 2;
                    const double v = a ? (y % 4) * 3 : (x % 4) * 3;
                    img.setPixel(x, y, shade(a ? base : darker(base, 20), v));
                }
            break;
        }
        case Pattern::Facets:
            tileDraw(img, [&](QPainter& p, QPointF o) {
                p.setPen(QPen(withAlpha(ink, 90), 1));
                p.setBrush(Qt::NoBrush);
                QPolygonF diamond({o + QPointF(w / 2.0, 0), o + QPointF(w, h / 2.0),
                                   o + QPointF(w / 2.0, h), o + QPointF(0, h / 2.0)});
                p.setBrush(withAlpha(Qt::white, 18));
                p.drawPolygon(diamond);
            });
            break;
        case Pattern::Bubbles:
            tileDraw(img, [&](QPainter& p, QPointF o) {
                Random r(23);
                for (int i = 0; i < 5; ++i) {
                    const QPointF c = o + QPointF(r.unit() * w, r.unit() * h);
                    const double s = 2 + r.unit() * 5;
                    p.setPen(QPen(withAlpha(ink, 140), 1));
                    p.setBrush(withAlpha(ink, 25));
                    p.drawEllipse(c, s, s);
                }
            });
            break;
        case Pattern::Lily:
            tileDraw(img, [&](QPainter& p, QPointF o) {
                Random r(29);
                for (int i = 0; i < 3; ++i) {
                    const QPointF c = o + QPointF(r.unit() * w, r.unit() * h);
                    const double s = 6 + r.unit() * 6;
                    QPainterPath pad;
                    pad.moveTo(c);
                    pad.arcTo(QRectF(c.x() - s, c.y() - s, 2 * s, 2 * s), 20 + i * 90, 320);
                    pad.closeSubpath();
                    p.setPen(QPen(withAlpha(darker(ink, 20), 120), 0.8));
                    p.setBrush(withAlpha(ink, 70));
                    p.drawPath(pad);
                }
            });
            break;
        case Pattern::Weave: {
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    const bool over = ((x / 3) % 2) ^ ((y / 3) % 2);
                    img.setPixel(x, y, shade(base, over ? 6 - (y % 3) * 3 : -(x % 3) * 3));
                }
            break;
        }
    }
    return img;
}

}  // namespace lingotab::skingen
