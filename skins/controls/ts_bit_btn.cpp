#include "skins/controls/ts_bit_btn.h"

namespace lingotab::skins {

TsBitBtn::TsBitBtn(QWidget* parent)
    : QPushButton(parent), TacSkinSectionHolder(QStringLiteral("BUTTON")) {}

}  // namespace lingotab::skins
