#include "skins/controls/ts_bit_btn.h"

#include "skins/controls/skinned_button.h"

namespace lingotab::skins {

TsBitBtn::TsBitBtn(QWidget* parent)
    : QPushButton(parent), TacSkinSectionHolder(QStringLiteral("BUTTON")) {
    new TacSkinnedButton(this);  // the skinned look, while a skin is active
}

}  // namespace lingotab::skins
