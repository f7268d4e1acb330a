#pragma once

#include "skins/options/skin_content.h"

namespace lingotab::skins {

class TacIniModel;
class TacImageLookup;

// What one load reads from: the options model (null for a skin without
// options), the image files, the manager that will own the masks, and the
// skin's name (for the version message).
struct TacLoadSource {
    const TacIniModel* model = nullptr;
    const TacImageLookup* images = nullptr;
    TsSkinManager* owner = nullptr;
    QString skinName;
};

// Runs the four loaders in order: masks with the master bitmap, JPEG
// patterns, section records, constant indexes. `content.SkinData.SkinPath`
// is kept. Raises lingotab::Exception for strict numbers that are not
// decimal integers and for images that cannot be decoded; `content` is then
// partly filled and must be discarded.
void loadSkinContent(TacSkinContent& content, const TacLoadSource& source);

// The single loaders.
void LoadMasks(TacSkinContent& content, const TacLoadSource& source);
void LoadPatterns(TacSkinContent& content, const TacLoadSource& source);
void LoadAllGeneralData(TacSkinContent& content, const TacLoadSource& source);

// Tells the user about skins made for another engine release: above 7.99
// always, below 7 only with the "/actest" switch. Loading goes on.
void CheckVersion(double version, const QString& skinName);

}  // namespace lingotab::skins
