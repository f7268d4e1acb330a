#include "skins/controls/skinned_panel.h"

#include "skins/manager/skin_manager.h"
#include "skins/paint/section_paint.h"

namespace lingotab::skins {

TacSkinnedPanel::TacSkinnedPanel(QWidget* panel, const QString& section)
    : TacSkinnedControl(panel, section, 0) {}

void TacSkinnedPanel::attachForm(QWidget* window) {
    if (window != nullptr && of(window) == nullptr)
        new TacSkinnedPanel(window, QStringLiteral("FORM"));
}

void TacSkinnedPanel::paintImage(QImage& image) {
    PaintSection(image, *skin(), SkinData.SkinIndex, parentCache(), parentPos(), image.rect(), 0,
                 true, SkinData.HotTexture, SkinData.Texture);
}

}  // namespace lingotab::skins
