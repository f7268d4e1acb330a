#pragma once

#include "skins/controls/skin_section.h"

#include <QFrame>

namespace lingotab::skins {

// A panel holding other controls, with a raised one-pixel bevel in the
// standard look.
class TsPanel : public QFrame, public TacSkinSectionHolder {
    Q_OBJECT
  public:
    explicit TsPanel(QWidget* parent = nullptr);
};

}  // namespace lingotab::skins
