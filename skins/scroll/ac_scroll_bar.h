#pragma once

// A skinned scroll bar: draws a native scroll bar of a text area from the
// skin and drives it: arrows and track send line and page requests at once
// and repeat them (after 300 ms, then every 55 ms) while the pointer stays
// on the pressed part; the thumb is dragged with thumb-track requests and
// released with a thumb-position and an end-scroll request; the part under
// the pointer is tracked every 20 ms.

#include "skins/paint/ac_timer.h"
#include "skins/scroll/scroll_geometry.h"

#include <QImage>
#include <QObject>
#include <QPoint>

class QScrollBar;

namespace lingotab::skins {

class TsSkinManager;

class TacScrollBar : public QObject {
    Q_OBJECT
  public:
    static constexpr int kHotTrackMs = 20;
    static constexpr int kFirstRepeatMs = 300;
    static constexpr int kRepeatMs = 55;

    explicit TacScrollBar(QScrollBar* bar);
    ~TacScrollBar() override;

    QScrollBar* bar() const { return bar_; }
    bool horizontal() const;
    // The bar's scroll information in the platform's terms.
    TacScrollInfo ScrollInfo() const;
    // Length of an arrow button along the bar.
    int buttonLength() const;
    TacScrollPart hotPart() const { return hot_; }
    TacScrollPart pressedPart() const { return pressed_; }
    bool thumbTracking() const { return tracking_; }

    // The bar's image as it is painted now.
    QImage paintBar() const;
    // Sends one scroll request to the bar (positions limited to 0 .. 65535).
    void sendRequest(int code, int position = 0);

  signals:
    void requestSent(int code, int position);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    const TsSkinManager* skin() const;
    bool skinned() const;
    int along(QPoint p) const;
    int length() const;
    bool enabled() const;
    void press(QPoint p);
    void drag(QPoint p);
    void release();
    void repeatTick();
    void hotTick();

    QScrollBar* bar_;
    TacTimer hotTimer_;
    TacTimer repeatTimer_;
    QPoint pointer_{-1, -1};
    TacScrollPart hot_ = spNone;
    TacScrollPart pressed_ = spNone;
    bool tracking_ = false;
    bool sending_ = false;
    int grabOffset_ = 0;    // pointer inside the dragged thumb
    int dragStart_ = 0;     // the dragged thumb's start in the track
    int lastPosition_ = 0;  // last thumb position sent
};

}  // namespace lingotab::skins
