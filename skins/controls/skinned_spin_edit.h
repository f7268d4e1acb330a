#pragma once

// The skinned look of the spin box: its "EDIT" section behind the toolkit's
// text, the arrow group laid out and painted from "SPEEDBUTTON_SMALL" with
// arrow triangles, and the bound label following its enabled state.

#include "skins/controls/skinned_control.h"

#include <QMargins>
#include <QPointer>

class QLabel;
class QLineEdit;

namespace lingotab::skins {

// Width of the arrow group.
inline constexpr int kSpinButtonWidth = 18;

// The arrow group's place in a skinned spin box of `box` size.
QRect skinnedSpinButtonGeometry(const QSize& box);
// The arrow group's place: skinned when `box` has an active skinned look,
// else `standard`.
QRect spinButtonGeometry(const QLineEdit* box, const QRect& standard);
// The up button (upper half, rounded down) and the down button (the rest),
// both at least 15 pixels wide.
QRect spinUpButton(const QSize& group);
QRect spinDownButton(const QSize& group);
// A filled arrow triangle centred in `button`.
void DrawSpinArrow(QImage& image, const QRect& button, bool up, TColor color);

class TacSkinnedSpinEdit : public TacSkinnedControl {
    Q_OBJECT
  public:
    TacSkinnedSpinEdit(QLineEdit* box, QWidget* arrows, QLabel* boundLabel);

  protected:
    void paintImage(QImage& image) override;
    bool handle(QEvent* event) override;
    bool paintsOverImage() const override;
    void skinCommand(int command) override;

  private:
    void applyColors();

    QLineEdit* box_;
    QPointer<QWidget> arrows_;
    QPointer<QLabel> boundLabel_;
    QPalette standard_;
    bool standardFrame_;
    QMargins standardMargins_;
};

class TacSkinnedSpinButtons : public TacSkinnedControl {
    Q_OBJECT
  public:
    explicit TacSkinnedSpinButtons(QWidget* arrows);

  protected:
    void paintImage(QImage& image) override;
    bool handle(QEvent* event) override;
    QByteArray paintKey() const override;

  private:
    int state(bool up) const;

    int pressed_ = 0;  // 1 up, 2 down
    int hot_ = 0;
};

}  // namespace lingotab::skins
