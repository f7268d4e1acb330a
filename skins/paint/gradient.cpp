#include "skins/paint/gradient.h"

#include "skins/paint/pixels.h"

#include <array>

namespace lingotab::skins {

namespace {

struct Rgb {
    int r, g, b;
};

Rgb rgbOf(TColor color) {
    const QRgb p = colorToPixel(color);
    return {qRed(p), qGreen(p), qBlue(p)};
}

inline QRgb pixelOf(int r, int g, int b) {
    return 0xFF000000u | (static_cast<QRgb>(r) << 16) | (static_cast<QRgb>(g) << 8) |
           static_cast<QRgb>(b);
}

// Colour k of n steps from a to b, both ends included.
inline QRgb step(const Rgb& a, const Rgb& b, int k, int n) {
    const int d = std::max(n - 1, 1);
    return pixelOf(a.r + (b.r - a.r) * k / d, a.g + (b.g - a.g) * k / d, a.b + (b.b - a.b) * k / d);
}

// Writes gradient pixels, tiling the overlay texture into them when given.
class Writer {
  public:
    Writer(QImage& target, const QRect& rect, const TacTextureOverlay* overlay)
        : target_(target), rect_(rect), overlay_(overlay) {}

    QRgb* row(int y) { return reinterpret_cast<QRgb*>(target_.scanLine(y)); }

    // Finishes row `y` between the clipped columns after the plain gradient
    // was written into it.
    void finishRow(int y, int left, int right) {
        if (overlay_ == nullptr) return;
        const QRect& tile = overlay_->tile;
        const int g = overlay_->share;
        const QRgb* tex = reinterpret_cast<const QRgb*>(
            overlay_->image->constScanLine(tile.top() + (y - rect_.top()) % tile.height()));
        QRgb* out = row(y);
        int tx = (left - rect_.left()) % tile.width();
        for (int x = left; x <= right; ++x) {
            const QRgb p = out[x], t = tex[tile.left() + tx];
            out[x] = pixelOf((qRed(p) * (256 - g) + qRed(t) * g) >> 8,
                             (qGreen(p) * (256 - g) + qGreen(t) * g) >> 8,
                             (qBlue(p) * (256 - g) + qBlue(t) * g) >> 8);
            if (++tx == tile.width()) tx = 0;
        }
    }

  private:
    QImage& target_;
    QRect rect_;
    const TacTextureOverlay* overlay_;
};

// Band lengths along `size` pixels: Percent each, the last one to the end.
template <typename Band>
void forEachBand(const TsGradArray& gradient, int size, const Band& band) {
    int start = 0;
    for (size_t i = 0; i < gradient.size() && start < size; ++i) {
        const bool last = i + 1 == gradient.size();
        const int length =
            last ? size - start : std::min(size * gradient[i].Percent / 100, size - start);
        if (length > 0) band(gradient[i], start, length);
        start += length;
    }
}

void paintVertical(Writer& w, const QRect& rect, const QRect& clip, const TsGradArray& gradient) {
    forEachBand(gradient, rect.height(), [&](const TsGradPie& pie, int start, int length) {
        const Rgb a = rgbOf(pie.Color1), b = rgbOf(pie.Color2);
        for (int k = 0; k < length; ++k) {
            const int y = rect.top() + start + k;
            if (y < clip.top() || y > clip.bottom()) continue;
            QRgb* out = w.row(y);
            std::fill(out + clip.left(), out + clip.right() + 1, step(a, b, k, length));
            w.finishRow(y, clip.left(), clip.right());
        }
    });
}

void paintHorizontal(Writer& w, const QRect& rect, const QRect& clip, const TsGradArray& gradient) {
    // The first row is computed, the others copy it.
    QRgb* first = w.row(clip.top());
    forEachBand(gradient, rect.width(), [&](const TsGradPie& pie, int start, int length) {
        const Rgb a = rgbOf(pie.Color1), b = rgbOf(pie.Color2);
        for (int k = 0; k < length; ++k) {
            const int x = rect.left() + start + k;
            if (x >= clip.left() && x <= clip.right()) first[x] = step(a, b, k, length);
        }
    });
    for (int y = clip.top() + 1; y <= clip.bottom(); ++y)
        std::copy(first + clip.left(), first + clip.right() + 1, w.row(y) + clip.left());
    for (int y = clip.top(); y <= clip.bottom(); ++y) w.finishRow(y, clip.left(), clip.right());
}

void paintFourCorners(Writer& w, const QRect& rect, const QRect& clip,
                      const TsGradArray& gradient) {
    // Points: 0 top-left, 1 centre, 2 top-right, 3 bottom-right, 4 bottom-left.
    std::array<Rgb, 5> c{};
    for (size_t i = 0; i < c.size(); ++i)
        c[i] = i < gradient.size() ? rgbOf(gradient[i].Color1) : c[i > 0 ? i - 1 : 0];
    const double sx = rect.width() > 1 ? 1.0 / (rect.width() - 1) : 0;
    const double sy = rect.height() > 1 ? 1.0 / (rect.height() - 1) : 0;
    for (int y = clip.top(); y <= clip.bottom(); ++y) {
        QRgb* out = w.row(y);
        const double v = (y - rect.top()) * sy;
        for (int x = clip.left(); x <= clip.right(); ++x) {
            const double u = (x - rect.left()) * sx;
            // Weights of the three corners of the triangle holding (u, v).
            int p0, p1;
            double w0, w1, wc;
            if (v <= u && v <= 1 - u) {  // top
                p0 = 0, p1 = 2, wc = 2 * v, w0 = 1 - u - v, w1 = u - v;
            } else if (u >= v && u >= 1 - v) {  // right
                p0 = 2, p1 = 3, wc = 2 * (1 - u), w0 = u - v, w1 = v - (1 - u);
            } else if (u <= v && u <= 1 - v) {  // left
                p0 = 0, p1 = 4, wc = 2 * u, w0 = 1 - u - v, w1 = v - u;
            } else {  // bottom
                p0 = 4, p1 = 3, wc = 2 * (1 - v), w0 = v - u, w1 = u - (1 - v);
            }
            const auto mix = [&](int Rgb::*ch) {
                return std::clamp(
                    static_cast<int>(c[p0].*ch * w0 + c[p1].*ch * w1 + c[1].*ch * wc + 0.5), 0,
                    255);
            };
            out[x] = pixelOf(mix(&Rgb::r), mix(&Rgb::g), mix(&Rgb::b));
        }
        w.finishRow(y, clip.left(), clip.right());
    }
}

}  // namespace

bool paintGradient(QImage& target, const QRect& rect, const TsGradArray& gradient,
                   const TacTextureOverlay* overlay) {
    if (gradient.empty()) return false;
    const int form = gradient.front().Mode1;
    if (form < 0 || form > 2) return false;
    const QRect clip = clipTo(target, rect);
    if (clip.isEmpty()) return true;
    Writer w(target, rect, overlay);
    if (form == 0) paintVertical(w, rect, clip, gradient);
    if (form == 1) paintHorizontal(w, rect, clip, gradient);
    if (form == 2) paintFourCorners(w, rect, clip, gradient);
    return true;
}

}  // namespace lingotab::skins
