#include "tools/skingen/atlas.h"

#include <QPainter>
#include <stdexcept>

namespace lingotab::skingen {
namespace {

QString four(int v) {
    if (v < 0 || v > 9999) throw std::logic_error("coordinate out of the notation's range");
    return QStringLiteral("%1").arg(v, 4, 10, QChar(u'0'));
}

QString digit(int v) {
    if (v < 0 || v > 9) throw std::logic_error("field out of the notation's range");
    return QString::number(v);
}

QString corners(QChar mark, const QRect& r) {
    // Right and bottom are exclusive, as the engine's rectangles are.
    return mark + four(r.left()) + mark + four(r.top()) + mark + four(r.left() + r.width()) + mark +
           four(r.top() + r.height());
}

// Never let an opaque pixel come out as the transparent colour by accident.
QRgb avoidMagenta(QRgb c) {
    return c == qRgb(255, 0, 255) ? qRgb(254, 0, 254) : c;
}

}  // namespace

QImage toMagentaBitmap(const QImage& picture, const QColor& matte) {
    const QImage src = picture.convertToFormat(QImage::Format_ARGB32);
    QImage out(src.size(), QImage::Format_RGB32);
    for (int y = 0; y < src.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        auto* o = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            const int a = qAlpha(in[x]);
            if (a < 96) {
                o[x] = qRgb(255, 0, 255);
                continue;
            }
            auto mix = [a](int c, int m) { return (c * a + m * (255 - a) + 127) / 255; };
            o[x] =
                avoidMagenta(qRgb(mix(qRed(in[x]), matte.red()), mix(qGreen(in[x]), matte.green()),
                                  mix(qBlue(in[x]), matte.blue())));
        }
    }
    return out;
}

QImage toBandedBitmap(const QImage& picture, const QImage& inside) {
    const QImage src = picture.convertToFormat(QImage::Format_ARGB32);
    const QImage shape = inside.isNull() ? inside : inside.convertToFormat(QImage::Format_ARGB32);
    const int h = src.height();
    QImage out(src.width(), h * 2, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        auto* top = reinterpret_cast<QRgb*>(out.scanLine(y));
        auto* band = reinterpret_cast<QRgb*>(out.scanLine(y + h));
        for (int x = 0; x < src.width(); ++x) {
            const int a = qAlpha(in[x]);
            const bool within = !shape.isNull() && qAlpha(shape.pixel(x, y)) > 0;
            top[x] = a > 0 ? avoidMagenta(in[x] | 0xFF000000u)
                           : (within ? qRgb(0, 0, 0) : qRgb(255, 0, 255));
            band[x] = qRgb(255 - a, 255 - a, 255 - a);
        }
    }
    return out;
}

int Atlas::add(const QImage& bitmap) {
    if (bitmap.width() > width_) throw std::logic_error("picture wider than the master bitmap");
    bitmaps_.push_back(bitmap);
    return int(bitmaps_.size()) - 1;
}

void Atlas::pack() {
    std::vector<int> order(bitmaps_.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = int(i);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return bitmaps_[a].height() > bitmaps_[b].height(); });
    rects_.assign(bitmaps_.size(), QRect());
    int x = 0, y = 0, shelf = 0;
    for (const int id : order) {
        const QImage& b = bitmaps_[id];
        if (x + b.width() > width_) {
            x = 0;
            y += shelf + 1;
            shelf = 0;
        }
        rects_[id] = QRect(QPoint(x, y), b.size());
        x += b.width() + 1;
        shelf = std::max(shelf, b.height());
    }
    height_ = std::max(1, y + shelf);
}

QImage Atlas::image() const {
    QImage out(width_, height_, QImage::Format_RGB32);
    out.fill(kMagenta);
    QPainter p(&out);
    for (size_t i = 0; i < bitmaps_.size(); ++i) p.drawImage(rects_[i].topLeft(), bitmaps_[i]);
    return out;
}

QString glyphNotation(const QRect& r, int frames, int maskType) {
    return corners(u'@', r) + u'@' + digit(frames) + u'@' + digit(maskType);
}

QString borderNotation(const QRect& r, int wl, int wt, int wr, int wb, int frames, int maskType,
                       int drawMode, int borderWidth) {
    return corners(u'^', r) + u'^' + four(wl) + u'^' + four(wt) + u'^' + four(wr) + u'^' +
           four(wb) + u'^' + digit(frames) + u'^' + digit(maskType) + u'^' + digit(drawMode) +
           u'^' + digit(borderWidth);
}

QString textureNotation(const QRect& r, int drawMode, int maskType) {
    return corners(u'~', r) + u'~' + QStringLiteral("%1").arg(drawMode, 2, 10, QChar(u'0')) + u'~' +
           digit(maskType);
}

QString fileNotation(const QString& file, int frames, int maskType, int imageType,
                     const QList<int>& widthsAndMode) {
    QString out = u'!' + file + u'!' + QString::number(frames) + u'!' + QString::number(maskType) +
                  u'!' + QString::number(imageType);
    for (int i = 0; i < widthsAndMode.size(); ++i)
        out += u'!' + (i < 4 ? four(widthsAndMode[i]) : QString::number(widthsAndMode[i]));
    return out;
}

}  // namespace lingotab::skingen
