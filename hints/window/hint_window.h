#pragma once

#include <QImage>
#include <QPoint>
#include <QTimer>
#include <QWidget>
#include <vector>

#include "hints/markup/hint_canvas.h"
#include "hints/window/hint_placement.h"
#include "hints/window/hint_skin.h"

namespace lingotab::hints {

class TsHintManager;

// A hint window: top-level, frameless, never activated, transparent for the
// mouse, showing a 32-bit picture with per-pixel alpha under a constant
// alpha (the window opacity). This class draws the skinned look from the
// hint manager's skin section; TacPngHintWindow adds the template look.
class TacCustomHintWindow : public QWidget {
  public:
    TacCustomHintWindow();
    ~TacCustomHintWindow() override;

    // The hint's size, at (0, 0). Uses the manager's MaxWidth, not `MaxWidth`.
    // Raises lingotab::Exception on a markup error.
    virtual QRect CalcHintRect(int MaxWidth, const QString& AHint);
    // Places, builds and shows the hint; only the size of `Rect` is used.
    // A fresh appearance fades in (stepFade), a visible window changes at once.
    virtual void ActivateHint(const QRect& Rect, const QString& AHint);
    // The anchor: the manager's reported hint position, else the cursor.
    virtual QPoint GetHintPoint() const;
    // Builds the picture handed to the window, W x H.
    virtual void CreateAlphaBmp(int Width, int Height);

    // When both coordinates are non-zero the hint is anchored here.
    QPoint HintLocation;
    TacMousePosition FMousePos = mpLeftTop;

    const QImage& picture() const { return AlphaBmp; }
    int constantAlpha() const { return constantAlpha_; }
    const QString& caption() const { return caption_; }

    // The fade-in: one step every 8 ms while fading (the window's timer
    // calls it; tests call it themselves).
    bool fading() const { return fadeStep_ < fadeAlphas_.size(); }
    void stepFade();

  protected:
    void paintEvent(QPaintEvent* event) override;

    // HintLocation when it is set, else GetHintPoint.
    QPoint anchorPoint() const;
    // Whether this hint takes its look from the skin.
    bool skinned() const;
    QImage GetMask() const;
    QImage GetBody();
    // Rebuilds the mask and, when skinned, cuts the window's shape from it.
    void UpdateShape();
    // Draws the caption on `Bmp` inside its margins, starting in `font`.
    virtual void TextOut(QImage& Bmp, const HintFont& font);
    // The text rectangle of a W x H hint.
    virtual QRect textArea(int Width, int Height) const;
    // Runs the measuring with `font` on the manager's measuring surface.
    QRect measureText(const QString& AHint, const HintFont& font);
    void setConstantAlpha(int alpha);

    HintSkin skin_;
    QImage AlphaBmp;
    QImage MaskBmp;
    QString caption_;
    bool templateLook_ = false;

  private:
    int constantAlpha_ = 255;
    std::vector<int> fadeAlphas_;
    std::size_t fadeStep_ = 0;
    QTimer fadeTimer_;
};

}  // namespace lingotab::hints
