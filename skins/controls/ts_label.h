#pragma once

#include "skins/controls/skin_section.h"

#include <QLabel>

namespace lingotab::skins {

// A text label with a skin section; painted the standard way for now.
class TsLabel : public QLabel, public TacSkinSectionHolder {
    Q_OBJECT
  public:
    explicit TsLabel(QWidget* parent = nullptr);
};

}  // namespace lingotab::skins
