#pragma once

#include "skins/controls/skinned_control.h"

class QLabel;

namespace lingotab::skins {

// Skin font colours for a text label: the colour of the nearest section
// under it that gives its font, else the skin's global font colour; mixed
// 40 % with the background when disabled. The label itself stays
// transparent and draws its text the toolkit's way.
class TacSkinnedLabel : public QObject {
    Q_OBJECT
  public:
    explicit TacSkinnedLabel(QLabel* label);

    // The text colour the skin gives the label now (magenta: none).
    TColor skinFontColor() const;
    void applyColors();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLabel* label_;
    QPalette standard_;
};

// Where a bound label stands on the left of its control: its right edge
// `indent` + 4 pixels before the control, one pixel above the centre.
QPoint boundLabelPosition(const QRect& control, const QSize& label, int indent = 0);

}  // namespace lingotab::skins
