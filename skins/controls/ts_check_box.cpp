#include "skins/controls/ts_check_box.h"

#include "skins/controls/skinned_check_box.h"

namespace lingotab::skins {

TsCheckBox::TsCheckBox(QWidget* parent)
    : QCheckBox(parent), TacSkinSectionHolder(QStringLiteral("CHECKBOX")) {
    new TacSkinnedCheckBox(this);  // the skinned look, while a skin is active
}

}  // namespace lingotab::skins
