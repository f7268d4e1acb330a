#include "hints/templates/default_template.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace lingotab::hints {
namespace {

constexpr int kSize = 32;
constexpr QRectF kBody(3, 3, 20, 20);  // pixels 3 ... 22
constexpr qreal kRadius = 3.5;
constexpr QPointF kShadowOffset(3, 3);
constexpr qreal kShadowSoftness = 4.0;
constexpr int kShadowAlpha = 80;

// Distance from a point to the rounded body, 0 inside it.
qreal distanceToBody(QPointF p) {
    const QRectF inner = kBody.adjusted(kRadius, kRadius, -kRadius, -kRadius);
    const qreal dx = std::max({inner.left() - p.x(), 0.0, p.x() - inner.right()});
    const qreal dy = std::max({inner.top() - p.y(), 0.0, p.y() - inner.bottom()});
    return std::max(0.0, std::hypot(dx, dy) - kRadius);
}

void drawShadow(QImage& image) {
    for (int y = 0; y < kSize; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kSize; ++x) {
            const qreal d = distanceToBody(QPointF(x + 0.5, y + 0.5) - kShadowOffset);
            const qreal fade = std::clamp(1.0 - d / kShadowSoftness, 0.0, 1.0);
            row[x] = qRgba(0, 0, 0, int(std::lround(kShadowAlpha * fade * fade)));
        }
    }
}

}  // namespace

QImage achintPicture() {
    QImage image(kSize, kSize, QImage::Format_ARGB32);
    drawShadow(image);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient body(kBody.topLeft(), kBody.bottomLeft());
    body.setColorAt(0, QColor(254, 254, 226));
    body.setColorAt(1, QColor(254, 254, 211));
    QPainterPath shape;
    shape.addRoundedRect(kBody.adjusted(0.5, 0.5, -0.5, -0.5), kRadius, kRadius);
    painter.fillPath(shape, body);
    painter.setPen(QPen(QColor(123, 125, 96), 1));
    painter.drawPath(shape);
    return image;
}

TacHintTemplate& DefaultHintTemplate() {
    static TacHintTemplate defaultTemplate;
    static const bool prepared = [] {
        TacHintImage& image = defaultTemplate.ImageDefault();
        image.setImage(achintPicture());
        TacBordersSizes& borders = image.BordersWidths();
        borders.setLeft(7);
        borders.setTop(7);
        borders.setRight(15);
        borders.setBottom(15);
        TacBordersSizes& margins = image.ClientMargins();
        margins.setLeft(11);
        margins.setTop(7);
        margins.setRight(15);
        margins.setBottom(14);
        using M = TacBorderDrawModes;
        for (const M::Index index : {M::Left, M::Top, M::Right, M::Bottom, M::Center}) {
            image.BorderDrawModes().setValue(index, dmStretch);
        }
        return true;
    }();
    Q_UNUSED(prepared);
    return defaultTemplate;
}

}  // namespace lingotab::hints
