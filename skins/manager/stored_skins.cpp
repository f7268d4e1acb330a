#include "skins/manager/stored_skins.h"

namespace lingotab::skins {

int IndexOf(const TsStoredSkins& skins, const QString& SkinName) {
    for (size_t i = 0; i < skins.size(); ++i) {
        if (skins[i].Name == SkinName) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace lingotab::skins
