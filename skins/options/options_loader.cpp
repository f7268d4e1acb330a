#include "skins/options/options_loader.h"

namespace lingotab::skins {

void loadSkinContent(TacSkinContent& content, const TacLoadSource& source) {
    LoadMasks(content, source);
    LoadPatterns(content, source);
    LoadAllGeneralData(content, source);
    content.InitConstantIndexes();
}

}  // namespace lingotab::skins
