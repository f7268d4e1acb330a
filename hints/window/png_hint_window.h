#pragma once

#include "hints/templates/hint_template.h"
#include "hints/window/hint_window.h"

namespace lingotab::hints {

// The hint window the manager installs: the skinned look when the skin has
// the hint's section, else a picture template laid over the hint in nine
// parts, the text inside the template's margins.
class TacPngHintWindow : public TacCustomHintWindow {
  public:
    QRect CalcHintRect(int MaxWidth, const QString& AHint) override;
    void CreateAlphaBmp(int Width, int Height) override;

    // The template and picture chosen by the last template-look measuring.
    static TacHintTemplate* CurrentTemplate();
    static TacHintImage* CurrentImage();

  protected:
    QRect textArea(int Width, int Height) const override;
};

}  // namespace lingotab::hints
