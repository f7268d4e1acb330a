#include "skins/paint/pixels.h"

#include <cmath>

namespace lingotab::skins {

namespace {

inline int channel(QRgb p, int shift) {
    return static_cast<int>((p >> shift) & 0xFF);
}

inline QRgb opaque(int r, int g, int b) {
    return 0xFF000000u | (static_cast<QRgb>(r) << 16) | (static_cast<QRgb>(g) << 8) |
           static_cast<QRgb>(b);
}

// The rectangles of a copy from `sourceRect` to `at` that lie inside both images.
struct CopyArea {
    QRect target;
    QPoint sourceTopLeft;
};

CopyArea copyArea(const QImage& target, QPoint at, const QImage& source, const QRect& sourceRect) {
    const QRect src = sourceRect & source.rect();
    const QRect moved = src.translated(at - sourceRect.topLeft());
    const QRect dst = moved & target.rect();
    return {dst, src.topLeft() + (dst.topLeft() - moved.topLeft())};
}

}  // namespace

TColor MixColors(TColor A, TColor B, double x) {
    const auto mix = [&](int shift) {
        const int a = (A >> shift) & 0xFF;
        const int b = (B >> shift) & 0xFF;
        return static_cast<TColor>(std::lround(x * a + (1 - x) * b)) << shift;
    };
    return (A & static_cast<TColor>(0xFF000000u)) | mix(0) | mix(8) | mix(16);
}

void fillPixels(QImage& target, const QRect& rect, QRgb pixel) {
    const QRect r = clipTo(target, rect);
    for (int y = r.top(); y <= r.bottom(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(target.scanLine(y));
        std::fill(row + r.left(), row + r.left() + r.width(), pixel);
    }
}

void copyPixels(QImage& target, QPoint at, const QImage& source, const QRect& sourceRect) {
    const CopyArea area = copyArea(target, at, source, sourceRect);
    const QRect& r = area.target;
    for (int y = 0; y < r.height(); ++y) {
        const QRgb* from =
            reinterpret_cast<const QRgb*>(source.constScanLine(area.sourceTopLeft.y() + y)) +
            area.sourceTopLeft.x();
        QRgb* to = reinterpret_cast<QRgb*>(target.scanLine(r.top() + y)) + r.left();
        std::copy(from, from + r.width(), to);
    }
}

void blendPixels(QImage& target, QPoint at, const QImage& source, const QRect& sourceRect, int a) {
    const CopyArea area = copyArea(target, at, source, sourceRect);
    const QRect& r = area.target;
    const int b = 255 - a;
    for (int y = 0; y < r.height(); ++y) {
        const QRgb* from =
            reinterpret_cast<const QRgb*>(source.constScanLine(area.sourceTopLeft.y() + y)) +
            area.sourceTopLeft.x();
        QRgb* to = reinterpret_cast<QRgb*>(target.scanLine(r.top() + y)) + r.left();
        for (int x = 0; x < r.width(); ++x) {
            const QRgb t = to[x], s = from[x];
            to[x] = opaque((channel(t, 16) * a + channel(s, 16) * b + 127) >> 8,
                           (channel(t, 8) * a + channel(s, 8) * b + 127) >> 8,
                           (channel(t, 0) * a + channel(s, 0) * b + 127) >> 8);
        }
    }
}

void blendColorPercent(QImage& target, const QRect& rect, TColor color, int keep) {
    const QRect r = clipTo(target, rect);
    const QRgb c = colorToPixel(color);
    // p * keep / 100 + c * (100 - keep) / 100, rounded to nearest.
    const int cr = channel(c, 16) * (100 - keep), cg = channel(c, 8) * (100 - keep),
              cb = channel(c, 0) * (100 - keep);
    for (int y = r.top(); y <= r.bottom(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(target.scanLine(y)) + r.left();
        for (int x = 0; x < r.width(); ++x) {
            const QRgb p = row[x];
            row[x] = opaque((channel(p, 16) * keep + cr + 50) / 100,
                            (channel(p, 8) * keep + cg + 50) / 100,
                            (channel(p, 0) * keep + cb + 50) / 100);
        }
    }
}

void fadeIntoImage(QImage& target, const QRect& rect, const QImage& backdrop, QPoint offset,
                   int ownPercent) {
    const QRect r = clipTo(target, rect) & backdrop.rect().translated(-offset);
    const int other = 100 - ownPercent;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(target.scanLine(y)) + r.left();
        const QRgb* under = reinterpret_cast<const QRgb*>(backdrop.constScanLine(y + offset.y())) +
                            r.left() + offset.x();
        for (int x = 0; x < r.width(); ++x) {
            const QRgb p = row[x], u = under[x];
            if (isMagenta(u)) continue;
            row[x] = opaque((channel(p, 16) * ownPercent + channel(u, 16) * other + 50) / 100,
                            (channel(p, 8) * ownPercent + channel(u, 8) * other + 50) / 100,
                            (channel(p, 0) * ownPercent + channel(u, 0) * other + 50) / 100);
        }
    }
}

}  // namespace lingotab::skins
