// Kept apart from the rest of the manager: only programs that carry the
// internal skin packages link it.

#include "skins/internal/internal_skins.h"
#include "skins/manager/stored_skins.h"

namespace lingotab::skins {

TsStoredSkins builtInSkins() {
    TsStoredSkins skins;
    for (const InternalSkinPackage& package : internalSkinPackages()) {
        TsStoredSkin skin;
        skin.Name = package.name;
        // The bytes live in the executable for the whole run: no copy.
        skin.PackedData = QByteArray::fromRawData(package.bytes.data(), package.bytes.size());
        skins.push_back(std::move(skin));
    }
    return skins;
}

}  // namespace lingotab::skins
