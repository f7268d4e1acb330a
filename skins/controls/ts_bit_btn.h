#pragma once

#include "skins/controls/skin_section.h"

#include <QPushButton>

namespace lingotab::skins {

// A push button with a skin section; painted the standard way for now.
class TsBitBtn : public QPushButton, public TacSkinSectionHolder {
    Q_OBJECT
  public:
    explicit TsBitBtn(QWidget* parent = nullptr);
};

}  // namespace lingotab::skins
