// JPEG textures: large ones stay patterns tiled from the decoded image,
// smaller ones become texture masks with a 32-bit bitmap of their own.

#include "skins/images/image_decoder.h"
#include "skins/options/ini_model.h"
#include "skins/options/options_loader.h"
#include "skins/package/image_lookup.h"

namespace lingotab::skins {

namespace {

constexpr qint64 kMaxTexturePixels = 899'999;

}  // namespace

void LoadPatterns(TacSkinContent& content, const TacLoadSource& source) {
    content.pa.clear();
    if (!source.model || !source.images) return;
    for (const TacIniModel::Section& section : source.model->sections()) {
        for (const TacIniModel::Key& key : section.keys) {
            const QString reference = key.value.toUpper();
            if (!reference.contains(QLatin1String(".JPG")) &&
                !reference.contains(QLatin1String(".JPEG")))
                continue;
            const auto bytes = source.images->find(reference);
            if (!bytes) continue;
            TacDecodedImage image = decodeImage(*bytes);
            if (image.bitmap.isNull()) continue;
            if (static_cast<qint64>(image.bitmap.width()) * image.bitmap.height() >
                kMaxTexturePixels) {
                content.pa.push_back(
                    {std::move(image.bitmap), section.name.toUpper(), key.name.toUpper()});
                continue;
            }
            TsMaskData mask;
            mask.ClassName = section.name.toUpper();
            mask.PropertyName = key.name.toUpper();
            mask.ImgType = itisaTexture;
            mask.ImageCount = 1;
            mask.Manager = source.owner;
            mask.Bmp = to32BitBitmap(std::move(image));
            // The whole image is the tile.
            mask.R = {0, 0, mask.Bmp.width(), mask.Bmp.height()};
            content.ma.push_back(std::move(mask));
        }
    }
}

}  // namespace lingotab::skins
