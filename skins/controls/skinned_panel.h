#pragma once

#include "skins/controls/skinned_control.h"

namespace lingotab::skins {

// The skinned look of a container: its section ("PANEL" for panels, "FORM"
// for the client area of a window) painted over the whole area; children
// that are transparent show this image.
class TacSkinnedPanel : public TacSkinnedControl {
    Q_OBJECT
  public:
    TacSkinnedPanel(QWidget* panel, const QString& section);

    // Gives `window` the "FORM" look unless it has a look already.
    static void attachForm(QWidget* window);

  protected:
    void paintImage(QImage& image) override;
};

}  // namespace lingotab::skins
