#include "skins/controls/ts_panel.h"

#include "skins/controls/skinned_panel.h"

namespace lingotab::skins {

TsPanel::TsPanel(QWidget* parent) : QFrame(parent), TacSkinSectionHolder(QStringLiteral("PANEL")) {
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    new TacSkinnedPanel(this, QStringLiteral("PANEL"));  // the skinned look, while a skin is active
}

}  // namespace lingotab::skins
