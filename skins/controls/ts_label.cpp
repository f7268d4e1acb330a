#include "skins/controls/ts_label.h"

namespace lingotab::skins {

TsLabel::TsLabel(QWidget* parent) : QLabel(parent), TacSkinSectionHolder(QString()) {}

}  // namespace lingotab::skins
