#include "skins/controls/ts_check_box.h"

namespace lingotab::skins {

TsCheckBox::TsCheckBox(QWidget* parent)
    : QCheckBox(parent), TacSkinSectionHolder(QStringLiteral("CHECKBOX")) {}

}  // namespace lingotab::skins
