#include "skins/controls/ts_panel.h"

namespace lingotab::skins {

TsPanel::TsPanel(QWidget* parent) : QFrame(parent), TacSkinSectionHolder(QStringLiteral("PANEL")) {
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
}

}  // namespace lingotab::skins
