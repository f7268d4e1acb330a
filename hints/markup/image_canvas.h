#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <optional>

#include "hints/markup/hint_canvas.h"

namespace lingotab::hints {

// A hint canvas on a 32-bit image, drawing with QPainter and measuring with
// the font's metrics. Sizes in points are turned into pixels at 96 pixels
// per inch, so that measuring (on an empty image) and drawing agree. A null
// image measures but draws nothing.
class ImageCanvas : public HintCanvas {
  public:
    explicit ImageCanvas(QImage* image, HintFont startFont = {});

    void textOut(int x, int y, const QString& text) override;
    int textWidth(const QString& text) override;
    int textHeight(const QString& text) override;
    QRect wrappedTextRect(const QRect& area, const QString& text) override;
    void drawWrappedText(const QRect& area, const QString& text) override;

    // The Qt font that draws `font`.
    static QFont toQFont(const HintFont& font);

  private:
    QPainter* painter();

    QImage* image_;
    std::optional<QPainter> painter_;
};

}  // namespace lingotab::hints
