#include "skins/controls/ts_label.h"

#include "skins/controls/skinned_label.h"

namespace lingotab::skins {

TsLabel::TsLabel(QWidget* parent) : QLabel(parent), TacSkinSectionHolder(QString()) {
    new TacSkinnedLabel(this);  // skin font colours, while a skin is active
}

}  // namespace lingotab::skins
