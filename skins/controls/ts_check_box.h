#pragma once

#include "skins/controls/skin_section.h"

#include <QCheckBox>

namespace lingotab::skins {

// A check box with a skin section; painted the standard way for now.
// `toggled` is its click reaction: it fires on every change of the state,
// by the user or by the program, and not when the state stays.
class TsCheckBox : public QCheckBox, public TacSkinSectionHolder {
    Q_OBJECT
  public:
    explicit TsCheckBox(QWidget* parent = nullptr);
};

}  // namespace lingotab::skins
