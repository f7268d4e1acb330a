#pragma once

#include "skins/controls/skinned_control.h"

class QPushButton;

namespace lingotab::skins {

// The skinned look of a push button: state, caption, focus frame, rounded
// window cut from the border's magenta corners, disabled look, fades.
class TacSkinnedButton : public TacSkinnedControl {
    Q_OBJECT
  public:
    static constexpr int kMargin = -1;
    static constexpr int kFocusMargin = 1;

    explicit TacSkinnedButton(QPushButton* button);

    // 2 pressed, 1 hot (focused, default or with the mouse above), else 0;
    // not yet limited to the section's states.
    int CurrentState() const;
    QRect CaptionRect() const { return captionRect_; }

  protected:
    void paintImage(QImage& image) override;
    QByteArray paintKey() const override;
    bool handle(QEvent* event) override;
    void skinCommand(int command) override;

  private:
    QPushButton* button_;
    QRect captionRect_;
    bool regionChanged_ = true;
    bool mouseClicked_ = false;
};

}  // namespace lingotab::skins
