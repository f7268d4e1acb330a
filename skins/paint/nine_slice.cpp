#include "skins/paint/nine_slice.h"

#include "skins/paint/pixels.h"

#include <vector>

namespace lingotab::skins {

namespace {

inline int masked(int source, int target, int m) {
    return (source * (256 - m) + target * m) >> 8;
}

inline QRgb throughMask(QRgb s, QRgb t, QRgb m) {
    return 0xFF000000u | (masked(qRed(s), qRed(t), qRed(m)) << 16) |
           (masked(qGreen(s), qGreen(t), qGreen(m)) << 8) | masked(qBlue(s), qBlue(t), qBlue(m));
}

// s * share + t * (whole - share), divided by `whole` with rounding.
inline QRgb mixed(QRgb s, QRgb t, int share, int whole) {
    const auto ch = [&](int a, int b) {
        return (a * share + b * (whole - share) + whole / 2) / whole;
    };
    return 0xFF000000u | (ch(qRed(s), qRed(t)) << 16) | (ch(qGreen(s), qGreen(t)) << 8) |
           ch(qBlue(s), qBlue(t));
}

// Source coordinate for the n-th target pixel of a run of `length` pixels
// copied from `sourceLength` pixels.
inline int sourceOffset(int n, int length, int sourceLength, bool stretch) {
    return stretch ? static_cast<int>(static_cast<int64_t>(n) * sourceLength / length)
                   : n % sourceLength;
}

}  // namespace

void copyPiece(QImage& target, const QRect& to, const QImage& source, const QRect& from,
               bool stretch, const TacPieceRules& rules) {
    if (to.isEmpty() || from.isEmpty()) return;
    const QRect clipped = clipTo(target, to);
    std::vector<QRect> cuts;
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        const int sy = from.top() + sourceOffset(y - to.top(), to.height(), from.height(), stretch);
        const QRgb* src = reinterpret_cast<const QRgb*>(source.constScanLine(sy));
        const QRgb* mask =
            rules.maskBandOffset > 0
                ? reinterpret_cast<const QRgb*>(source.constScanLine(sy + rules.maskBandOffset))
                : nullptr;
        QRgb* row = reinterpret_cast<QRgb*>(target.scanLine(y));
        int runStart = -1;
        for (int x = clipped.left(); x <= clipped.right() + 1; ++x) {
            const bool inside = x <= clipped.right();
            const int sx = inside ? from.left() + sourceOffset(x - to.left(), to.width(),
                                                               from.width(), stretch)
                                  : 0;
            const bool transparent = inside && rules.magentaTransparent && isMagenta(src[sx]);
            if (rules.cutOut != nullptr) {
                if (transparent && runStart < 0) runStart = x;
                if (!transparent && runStart >= 0) {
                    cuts.emplace_back(runStart, y, x - runStart, 1);
                    runStart = -1;
                }
            }
            if (!inside) break;
            if (transparent) {
                QRgb under;
                if (rules.backdrop != nullptr && rules.backdrop->pixelAt(x, y, under))
                    row[x] = under | 0xFF000000u;
                continue;
            }
            QRgb s = src[sx];
            if (rules.useAlpha) {
                const int a = qAlpha(s);
                if (a == 0) continue;
                if (a < 255) s = mixed(s, row[x], a, 255);
            }
            if (mask != nullptr) s = throughMask(s, row[x], mask[sx]);
            row[x] = rules.sourceShare < 256 ? mixed(s, row[x], rules.sourceShare, 256)
                                             : s | 0xFF000000u;
        }
    }
    if (rules.cutOut != nullptr && !cuts.empty()) {
        QRegion region;
        region.setRects(cuts.data(), static_cast<int>(cuts.size()));
        *rules.cutOut += region;
    }
}

void TacNineSlice::render(QImage& target, const QRect& rect, const TacBackdrop& backdrop,
                          bool corners, QRegion* cutOut) const {
    if (!frame.valid()) return;
    const QRect& f = frame.rect;
    const int midW = f.width() - WL - WR;
    const int midH = f.height() - WT - WB;
    if (midW < 0 || midH < 0) return;

    // Slice widths on the target, shrunk to fit a small rectangle.
    const auto shrink = [](int size, int& first, int& second) {
        if (size >= first + second) return;
        const int half = (first + second - size) / 2;
        first = std::max(first - half, 0);
        second = std::max(second - half - (size % 2), 0);
    };
    int l = WL, r = WR, t = WT, b = WB;
    shrink(rect.width(), l, r);
    shrink(rect.height(), t, b);

    const QImage& src = *frame.image;
    const int x0 = rect.left(), x1 = rect.left() + rect.width();
    const int y0 = rect.top(), y1 = rect.top() + rect.height();
    const int innerW = rect.width() - l - r, innerH = rect.height() - t - b;

    TacPieceRules cornerRules{frame.maskBandOffset, corners ? &backdrop : nullptr, cutOut};
    cornerRules.useAlpha = frame.ownImage;
    copyPiece(target, {x0, y0, l, t}, src, {f.left(), f.top(), l, t}, false, cornerRules);
    copyPiece(target, {x1 - r, y0, r, t}, src, {f.right() + 1 - r, f.top(), r, t}, false,
              cornerRules);
    copyPiece(target, {x0, y1 - b, l, b}, src, {f.left(), f.bottom() + 1 - b, l, b}, false,
              cornerRules);
    copyPiece(target, {x1 - r, y1 - b, r, b}, src, {f.right() + 1 - r, f.bottom() + 1 - b, r, b},
              false, cornerRules);

    TacPieceRules edgeRules{frame.maskBandOffset, backdrop.hasImage() ? &backdrop : nullptr,
                            nullptr};
    edgeRules.useAlpha = frame.ownImage;
    if (innerW > 0 && midW > 0) {
        copyPiece(target, {x0 + l, y0, innerW, t}, src, {f.left() + WL, f.top(), midW, t},
                  stretchEdges, edgeRules);
        copyPiece(target, {x0 + l, y1 - b, innerW, b}, src,
                  {f.left() + WL, f.bottom() + 1 - b, midW, b}, stretchEdges, edgeRules);
    }
    if (innerH > 0 && midH > 0) {
        copyPiece(target, {x0, y0 + t, l, innerH}, src, {f.left(), f.top() + WT, l, midH},
                  stretchEdges, edgeRules);
        copyPiece(target, {x1 - r, y0 + t, r, innerH}, src,
                  {f.right() + 1 - r, f.top() + WT, r, midH}, stretchEdges, edgeRules);
    }
    if (fillMiddle && innerW > 0 && innerH > 0 && midW > 0 && midH > 0)
        copyPiece(target, {x0 + l, y0 + t, innerW, innerH}, src,
                  {f.left() + WL, f.top() + WT, midW, midH}, stretchMiddle, edgeRules);
}

}  // namespace lingotab::skins
