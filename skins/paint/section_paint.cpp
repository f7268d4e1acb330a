#include "skins/paint/section_paint.h"

#include "skins/paint/gradient.h"
#include "skins/paint/mask_frame.h"
#include "skins/paint/pixels.h"
#include "skins/paint/texture_fill.h"

namespace lingotab::skins {

namespace {

const QString kPattern = QStringLiteral("PATTERN");
const QString kHotPattern = QStringLiteral("HOTPATTERN");

// Intermediate bitmaps, one per nesting level, kept between paints so that
// blending needs no allocation once they are large enough.
QImage& scratch(int level, QSize size) {
    static QImage images[2];
    QImage& image = images[level];
    if (image.width() < size.width() || image.height() < size.height())
        image = QImage(std::max(image.width(), size.width()),
                       std::max(image.height(), size.height()), QImage::Format_ARGB32);
    return image;
}

bool isTextureMask(const TacSkinContent& skin, int index) {
    return skin.IsValidImgIndex(index) &&
           skin.ma[static_cast<size_t>(index)].ImgType == itisaTexture;
}

// The texture of a state: the index passed for it when that mask has no
// mask band, else (for -1) the section's own "PATTERN" / "HOTPATTERN" mask
// or, failing that, its large JPEG pattern.
void chooseTexture(const TacSkinContent& skin, int SkinIndex, bool hot, int passed,
                   TacSectionContent& content) {
    if (passed != -1) {
        if (isTextureMask(skin, passed) && skin.ma[static_cast<size_t>(passed)].MaskType == 0)
            content.TextureMask = passed;
        return;
    }
    const QString& section = skin.gd[static_cast<size_t>(SkinIndex)].ClassName;
    const QString& key = hot ? kHotPattern : kPattern;
    const int mask = skin.GetTextureIndex(SkinIndex, section, key);
    if (isTextureMask(skin, mask)) {
        content.TextureMask = mask;
        return;
    }
    const int pattern = skin.GetPatternIndex(SkinIndex, section, key);
    if (pattern >= 0 && pattern < static_cast<int>(skin.pa.size()))
        content.Pattern = &skin.pa[static_cast<size_t>(pattern)].Img;
}

// Puts what lies beneath into `rect`: the parent image's area or its colour.
void putParent(QImage& target, const QRect& rect, const TCacheInfo& ci, QPoint parentPos) {
    const TacBackdrop under(ci.shifted(parentPos), rect.topLeft());
    const QRect source = rect.translated(under.offset());
    if (&target == ci.Bmp) return;
    if (!under.hasImage() || !under.image()->rect().contains(source)) {
        if (ci.FillColor != clFuchsia) fillPixels(target, rect, colorToPixel(ci.FillColor));
    }
    if (under.hasImage()) copyPixels(target, rect.topLeft(), *under.image(), source);
}

bool onePass(const TacSkinContent& skin, const TacSectionContent& c) {
    if (c.ImagePercent + c.GradientPercent != 100 || c.GradientPercent < 1 ||
        c.GradientPercent > 99 || c.Pattern != nullptr || !isTextureMask(skin, c.TextureMask) ||
        c.Gradient == nullptr || c.Gradient->empty())
        return false;
    const int form = c.Gradient->front().Mode1;
    return skin.ma[static_cast<size_t>(c.TextureMask)].DrawMode == 0 && form >= 0 && form < 2;
}

}  // namespace

void FillSectionContent(QImage& target, const QRect& rect, const TacSkinContent& skin,
                        const TacSectionContent& c) {
    if (onePass(skin, c)) {
        const TacMaskFrame frame = maskFrame(skin, c.TextureMask, 0);
        if (frame.valid()) {
            const TacTextureOverlay overlay{frame.image, frame.rect, c.ImagePercent * 255 / 100};
            paintGradient(target, rect, *c.Gradient, &overlay);
            return;
        }
    }
    const QRgb color = colorToPixel(c.Color);
    // A texture share without a texture to draw leaves its share to the colour.
    bool textured = false;
    if (c.ImagePercent > 0) {
        if (c.Pattern != nullptr && !c.Pattern->isNull()) {
            tileImage(target, rect, *c.Pattern);
            textured = true;
        } else if (isTextureMask(skin, c.TextureMask) &&
                   maskFrame(skin, c.TextureMask, 0).valid()) {
            fillPixels(target, fillTexture(target, rect, skin, c.TextureMask), color);
            textured = true;
        }
    }
    const int imagePercent = textured ? c.ImagePercent : 0;
    const TsGradArray none;
    const TsGradArray& gradient = c.Gradient != nullptr ? *c.Gradient : none;
    if (c.GradientPercent > 0) {
        if (textured) {
            QImage& layer = scratch(1, rect.size());
            const QRect area(QPoint(0, 0), rect.size());
            if (!paintGradient(layer, area, gradient)) fillPixels(layer, area, color);
            blendPixels(target, rect.topLeft(), layer, area,
                        std::clamp(imagePercent * 255 / 100, 0, 255));
        } else if (!paintGradient(target, rect, gradient)) {
            fillPixels(target, rect, color);
        }
    }
    const int share = imagePercent + c.GradientPercent;
    if (share <= 0)
        fillPixels(target, rect, color);
    else if (share < 100)
        blendColorPercent(target, rect, c.Color, share);
}

void PaintSectionBackground(QImage& target, const TacSkinContent& skin, int SkinIndex,
                            const TCacheInfo& ci, QPoint parentPos, const QRect& rect, int State,
                            int HotTexture, int Texture, TColor color) {
    if (!skin.IsValidSkinIndex(SkinIndex) || rect.isEmpty()) return;
    const TsGeneralData& section = skin.gd[static_cast<size_t>(SkinIndex)];
    const int state = limitState(State, section.States);
    const bool hot = state > 0;
    const TsGenState& values = section.Props[hot ? 1 : 0];

    TacSectionContent content;
    int transparency = 0;
    if (color != clFuchsia) {
        content.Color = color;
    } else {
        content.Color = values.Color;
        transparency = std::clamp(values.Transparency, 0, 100);
        if (transparency != 100) {
            content.ImagePercent = std::max(values.ImagePercent, 0);
            content.GradientPercent = std::max(values.GradientPercent, 0);
            if (content.GradientPercent != 0) content.Gradient = &values.GradientArray;
            if (content.ImagePercent > 0)
                chooseTexture(skin, SkinIndex, hot, hot ? HotTexture : Texture, content);
        }
    }

    if (ci.nothingKnown() || transparency == 0) {
        FillSectionContent(target, rect, skin, content);
    } else if (transparency == 100) {
        if (ci.hasImage() || ci.FillColor != clFuchsia)
            putParent(target, rect, ci, parentPos);
        else
            FillSectionContent(target, rect, skin, content);
    } else if (ci.hasImage() || content.ImagePercent > 0 || content.GradientPercent > 0) {
        QImage& layer = scratch(0, rect.size());
        const QRect area(QPoint(0, 0), rect.size());
        FillSectionContent(layer, area, skin, content);
        putParent(target, rect, ci, parentPos);
        blendPixels(target, rect.topLeft(), layer, area, transparency * 255 / 100);
    } else {
        fillPixels(target, rect,
                   colorToPixel(MixColors(ci.FillColor, content.Color, transparency / 100.0)));
    }

    if (!hot) {
        const int overlay = Texture != -1 ? Texture : HotTexture;
        if (isTextureMask(skin, overlay)) {
            const TsMaskData& mask = skin.ma[static_cast<size_t>(overlay)];
            if (mask.MaskType > 0 && mask.DrawMode == 10) fillTexture(target, rect, skin, overlay);
        }
    }
}

void PaintSection(QImage& target, const TacSkinContent& skin, int SkinIndex, const TCacheInfo& ci,
                  QPoint parentPos, const QRect& rect, int State, bool corners, int HotTexture,
                  int Texture, QRegion* cutOut) {
    if (!skin.IsValidSkinIndex(SkinIndex) || rect.isEmpty() || rect.left() < 0 || rect.top() < 0 ||
        target.width() < rect.width() || target.height() < rect.height())
        return;
    const TsGeneralData& section = skin.gd[static_cast<size_t>(SkinIndex)];
    const int state = limitState(State, section.States);
    PaintSectionBackground(target, skin, SkinIndex, ci, parentPos, rect, state, HotTexture,
                           Texture);

    const auto corner = [&](int mask, bool right, bool bottom) {
        const TacMaskFrame frame = maskFrame(skin, mask, state);
        if (!frame.valid()) return;
        const int x = right ? rect.right() + 1 - frame.rect.width() : rect.left();
        const int y = bottom ? rect.bottom() + 1 - frame.rect.height() : rect.top();
        DrawMaskGlyph(target, skin, {x, y}, state, mask, true);
    };
    corner(section.ImgTL, false, false);
    corner(section.ImgTR, true, false);
    corner(section.ImgBL, false, true);
    corner(section.ImgBR, true, true);

    if (skin.IsValidImgIndex(section.BorderIndex))
        DrawBorderMask(target, skin, rect, section.BorderIndex, state, corners,
                       ci.shifted(parentPos), cutOut);
}

}  // namespace lingotab::skins
