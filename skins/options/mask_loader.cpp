// Masks and the master bitmap: every options value written in one of the
// mask notations becomes one mask, in section and key order.
//   "@" glyph:   @LLLL@TTTT@RRRR@BBBB@n@t              (frames n, mask type t)
//   "^" border:  ^LLLL^TTTT^RRRR^BBBB^wl..^wt..^wr..^wb..^n^t^d^b
//   "~" texture: ~LLLL~TTTT~RRRR~BBBB~dd~t
//   "!" file:    !FILE.PNG!frames!masktype!imgtype!wl!wt!wr!wb!drawmode
//   FILE.BMP     a whole bitmap file with three frames over two bands
// Fixed positions are strict numbers: a value too short aborts the load.

#include "skins/images/image_decoder.h"
#include "skins/options/ini_model.h"
#include "skins/options/options_loader.h"
#include "skins/options/skin_numbers.h"
#include "skins/package/image_lookup.h"

#include <QHash>

namespace lingotab::skins {

namespace {

const QString kGlobalInfo = QStringLiteral("GLOBALINFO");
const QString kMasterBitmap = QStringLiteral("MASTERBITMAP");

// Characters `first` (1-based) to `first` + `count` - 1 of a notation.
int field(const QString& value, int first, int count) {
    return strictInteger(QStringView(value).mid(first - 1, count));
}

TRect fixedRect(const QString& value) {
    return {field(value, 2, 4), field(value, 7, 4), field(value, 12, 4), field(value, 17, 4)};
}

// Slices of a third of a frame's width and of a band's height.
void setDefaultWidths(TsMaskData& mask) {
    const int frames = std::max<int>(1, mask.ImageCount);
    const int bands = std::max<int>(1, mask.MaskType + 1);
    mask.WL = mask.WR = static_cast<int16_t>(mask.R.width() / (frames * 3));
    mask.WT = mask.WB = static_cast<int16_t>(mask.R.height() / (bands * 3));
}

// Decodes each referenced file once per load.
class ImageCache {
  public:
    explicit ImageCache(const TacImageLookup* images) : images_(images) {}

    // The decoded image, or a null bitmap when the reference names nothing.
    TacDecodedImage get(const QString& reference) {
        if (const auto found = cache_.constFind(reference); found != cache_.constEnd())
            return *found;
        TacDecodedImage image;
        if (images_) {
            if (const auto bytes = images_->find(reference)) image = decodeImage(*bytes);
        }
        cache_.insert(reference, image);
        return image;
    }

  private:
    const TacImageLookup* images_;
    QHash<QString, TacDecodedImage> cache_;
};

std::optional<TsMaskData> glyphMask(const QString& value) {
    TsMaskData mask;
    mask.R = fixedRect(value);
    mask.ImageCount = static_cast<int16_t>(field(value, 22, 1));
    mask.MaskType = static_cast<int16_t>(field(value, 24, 1));
    mask.ImgType = itisaGlyph;
    return mask;
}

std::optional<TsMaskData> borderMask(const QString& value) {
    TsMaskData mask;
    mask.R = fixedRect(value);
    mask.WL = static_cast<int16_t>(field(value, 22, 4));
    mask.WT = static_cast<int16_t>(field(value, 27, 4));
    mask.WR = static_cast<int16_t>(field(value, 32, 4));
    mask.WB = static_cast<int16_t>(field(value, 37, 4));
    mask.ImageCount = static_cast<int16_t>(field(value, 42, 1));
    mask.MaskType = static_cast<int16_t>(field(value, 44, 1));
    mask.DrawMode = static_cast<int16_t>(field(value, 46, 1));
    mask.BorderWidth = static_cast<int16_t>(field(value, 48, 1));
    mask.ImgType = itisaBorder;
    if (mask.WL + mask.WT + mask.WR + mask.WB == 0) {
        if (mask.BorderWidth != 0)
            mask.WL = mask.WT = mask.WR = mask.WB = mask.BorderWidth;
        else
            setDefaultWidths(mask);
    }
    return mask;
}

std::optional<TsMaskData> textureMask(const QString& value) {
    TsMaskData mask;
    mask.R = fixedRect(value);
    mask.DrawMode = static_cast<int16_t>(field(value, 22, 2));
    mask.MaskType = value.size() >= 25 ? static_cast<int16_t>(field(value, 25, 1)) : int16_t{0};
    mask.ImageCount = 1;
    mask.ImgType = itisaTexture;
    return mask;
}

void setWholeImage(TsMaskData& mask, QImage bitmap) {
    mask.R = {0, 0, bitmap.width(), bitmap.height()};
    mask.Bmp = std::move(bitmap);
}

std::optional<TsMaskData> imageFileMask(const QString& value, ImageCache& images) {
    const QStringList words = value.split(QLatin1Char('!'), Qt::SkipEmptyParts);
    if (words.isEmpty()) return std::nullopt;
    const QString& reference = words[0];
    if (!reference.contains(QLatin1String(".BMP")) && !reference.contains(QLatin1String(".PNG")))
        return std::nullopt;
    const auto word = [&](int number) {
        return number <= words.size() ? readIntegerValue(words[number - 1]).value_or(0) : 0;
    };
    TacDecodedImage image = images.get(reference);
    if (image.bitmap.isNull() || image.bitmap.width() == 0) return std::nullopt;
    TsMaskData mask;
    mask.ImageCount = static_cast<int16_t>(word(2));
    mask.MaskType = static_cast<int16_t>(word(3));
    mask.ImgType = static_cast<TacImgType>(std::clamp(word(4), 0, static_cast<int>(itisaPngGlyph)));
    const bool png = image.format == TacImageFormat::kPng;
    QImage bitmap = to32BitBitmap(std::move(image));
    if (png) clearTransparentWhite(bitmap);
    setWholeImage(mask, std::move(bitmap));
    if (words.size() < 5) {
        setDefaultWidths(mask);
    } else {
        mask.WL = static_cast<int16_t>(word(5));
        mask.WT = static_cast<int16_t>(word(6));
        mask.WR = static_cast<int16_t>(word(7));
        mask.WB = static_cast<int16_t>(word(8));
    }
    mask.DrawMode = static_cast<int16_t>(words.size() < 9 ? 4 : word(9));
    return mask;
}

std::optional<TsMaskData> bitmapFileMask(const QString& upperValue, ImageCache& images) {
    TacDecodedImage image = images.get(upperValue);
    if (image.bitmap.isNull()) return std::nullopt;
    TsMaskData mask;
    mask.ImageCount = 3;
    mask.MaskType = 1;
    setWholeImage(mask, to32BitBitmap(std::move(image)));
    setDefaultWidths(mask);
    return mask;
}

}  // namespace

void LoadMasks(TacSkinContent& content, const TacLoadSource& source) {
    content.ma.clear();
    content.MasterBitmap = QImage();
    if (!source.model) return;
    ImageCache images(source.images);
    const QString master = source.model->readString(kGlobalInfo, kMasterBitmap, {});
    if (TacDecodedImage image = images.get(master); !image.bitmap.isNull())
        content.MasterBitmap = to32BitBitmap(std::move(image));

    for (const TacIniModel::Section& section : source.model->sections()) {
        const bool global = section.name == kGlobalInfo;
        for (const TacIniModel::Key& key : section.keys) {
            if (global && key.name == kMasterBitmap) continue;
            const QString& value = key.value;
            if (value.isEmpty()) continue;
            std::optional<TsMaskData> mask;
            bool upperNames = false;
            switch (value.front().unicode()) {
                case '@':
                    mask = glyphMask(value);
                    break;
                case '^':
                    mask = borderMask(value);
                    break;
                case '~':
                    mask = textureMask(value);
                    break;
                case '!':
                    mask = imageFileMask(value, images);
                    break;
                default:
                    // Values with "#" are an older notation that no skin of ours uses.
                    if (!value.contains(QLatin1Char('#'))) {
                        const QString upper = value.toUpper();
                        if (upper.contains(QLatin1String(".BMP")))
                            mask = bitmapFileMask(upper, images);
                        upperNames = true;
                    }
                    break;
            }
            if (!mask) continue;
            mask->ClassName = upperNames ? section.name.toUpper() : section.name;
            mask->PropertyName = upperNames ? key.name.toUpper() : key.name;
            mask->Manager = source.owner;
            content.ma.push_back(std::move(*mask));
        }
    }
}

}  // namespace lingotab::skins
