#include "skins/paint/common_data.h"

#include "skins/manager/skin_manager.h"

namespace lingotab::skins {

TsCommonData::TsCommonData(QString section, int kind) : COC(kind) {
    setSkinSection(section);
}

void TsCommonData::setSkinSection(const QString& value) {
    const QString section = value.isEmpty() ? QStringLiteral("UNKNOWN") : value.toUpper();
    if (section == FSkinSection) return;
    FSkinSection = section;
    UpdateIndexes();
}

TsSkinManager* TsCommonData::SkinManager() const {
    return FSkinManager != nullptr ? FSkinManager : TsSkinManager::defaultManager();
}

bool TsCommonData::Skinned() const {
    const TsSkinManager* manager = SkinManager();
    return manager != nullptr && manager->SkinData.Active && SkinIndex >= 0 &&
           manager->IsValidSkinIndex(SkinIndex);
}

void TsCommonData::UpdateIndexes() {
    BGChanged = true;
    const TsSkinManager* manager = SkinManager();
    SkinIndex = manager != nullptr && manager->active() ? manager->GetSkinIndex(FSkinSection) : -1;
    if (SkinIndex >= 0) {
        BorderIndex = manager->gd[static_cast<size_t>(SkinIndex)].BorderIndex;
        Texture = manager->GetTextureIndex(SkinIndex, FSkinSection, QStringLiteral("PATTERN"));
        HotTexture =
            manager->GetTextureIndex(SkinIndex, FSkinSection, QStringLiteral("HOTPATTERN"));
    } else {
        BorderIndex = Texture = HotTexture = -1;
    }
}

void TsCommonData::RemoveSkin() {
    SkinIndex = BorderIndex = Texture = HotTexture = -1;
    FCacheBmp = QImage();
    FRegion = QRegion();
    BGChanged = true;
}

}  // namespace lingotab::skins
