#include "skins/options/skin_content.h"

#include <QLocale>
#include <QVarLengthArray>

namespace lingotab::skins {

namespace {

const QString kGlobalInfo = QStringLiteral("GLOBALINFO");

bool isAbsentColor(TColor color) {
    return color == -1 || color == clFuchsia;
}

// Inheritance chains end after this many ancestors (skins use two or three).
constexpr qsizetype kMaxAncestors = 32;

}  // namespace

int TacSkinContent::GetSkinIndex(const QString& SkinSection) const {
    for (size_t i = 0; i < gd.size(); ++i) {
        if (gd[i].ClassName == SkinSection) return static_cast<int>(i);
    }
    return -1;
}

// The first index `match` accepts for the section, else for its parent,
// grandparent, ...; each section is searched once, so cycles end.
template <typename Match>
int TacSkinContent::findInherited(int SkinIndex, const QString& SkinSection,
                                  const Match& match) const {
    QVarLengthArray<int, 8> visited;
    QString section = SkinSection;
    int index = SkinIndex;
    while (index >= 0 && !section.isEmpty() && visited.size() <= kMaxAncestors) {
        if (const int found = match(section); found >= 0) return found;
        visited.push_back(index);
        if (index >= static_cast<int>(gd.size())) return -1;
        const QString& parent = gd[index].ParentClass;
        if (parent.isEmpty() || parent == section) return -1;
        index = GetSkinIndex(parent);
        if (std::find(visited.begin(), visited.end(), index) != visited.end()) return -1;
        section = parent;
    }
    return -1;
}

int TacSkinContent::GetMaskIndex(int SkinIndex, const QString& SkinSection,
                                 const QString& mask) const {
    return findInherited(SkinIndex, SkinSection,
                         [&](const QString& section) { return GetMaskIndex(section, mask); });
}

int TacSkinContent::GetMaskIndex(const QString& SkinSection, const QString& mask) const {
    if (SkinSection.isEmpty()) return -1;
    for (size_t i = 0; i < ma.size(); ++i) {
        if (ma[i].ClassName == SkinSection && ma[i].PropertyName == mask)
            return static_cast<int>(i);
    }
    return -1;
}

int TacSkinContent::GetTextureIndex(int SkinIndex, const QString& SkinSection,
                                    const QString& PropName) const {
    return findInherited(SkinIndex, SkinSection, [&](const QString& section) {
        for (size_t i = 0; i < ma.size(); ++i) {
            const TsMaskData& m = ma[i];
            if (m.ImgType == itisaTexture && m.ClassName == section && m.PropertyName == PropName)
                return static_cast<int>(i);
        }
        return -1;
    });
}

int TacSkinContent::GetPatternIndex(int SkinIndex, const QString& SkinSection,
                                    const QString& pattern) const {
    return findInherited(SkinIndex, SkinSection, [&](const QString& section) {
        for (size_t i = 0; i < pa.size(); ++i) {
            if (pa[i].ClassName == section && pa[i].PropertyName == pattern)
                return static_cast<int>(i);
        }
        return -1;
    });
}

namespace {

int frameWidth(const TsMaskData& m, int imageCount) {
    return imageCount == 0 ? 0 : m.R.width() / imageCount;
}

int bandHeight(const TsMaskData& m) {
    return m.MaskType == -1 ? 0 : m.R.height() / (m.MaskType + 1);
}

// A slice's own width, else the uniform border width, else `whole`.
int sliceWidth(int16_t own, const TsMaskData& m, int whole) {
    if (own > 0) return own;
    return m.BorderWidth > 0 ? m.BorderWidth : whole;
}

}  // namespace

int TacSkinContent::MaskWidthLeft(int MaskIndex) const {
    if (!IsValidImgIndex(MaskIndex)) return 0;
    const TsMaskData& m = ma[MaskIndex];
    return sliceWidth(m.WL, m, frameWidth(m, m.ImageCount == 0 ? 1 : m.ImageCount));
}

int TacSkinContent::MaskWidthRight(int MaskIndex) const {
    if (!IsValidImgIndex(MaskIndex)) return 0;
    const TsMaskData& m = ma[MaskIndex];
    return sliceWidth(m.WR, m, frameWidth(m, m.ImageCount));
}

int TacSkinContent::MaskWidthTop(int MaskIndex) const {
    if (!IsValidImgIndex(MaskIndex)) return 0;
    const TsMaskData& m = ma[MaskIndex];
    return sliceWidth(m.WT, m, bandHeight(m));
}

int TacSkinContent::MaskWidthBottom(int MaskIndex) const {
    if (!IsValidImgIndex(MaskIndex)) return 0;
    const TsMaskData& m = ma[MaskIndex];
    return sliceWidth(m.WB, m, bandHeight(m));
}

bool TacSkinContent::IsValidSkinIndex(int SkinIndex) const {
    return SkinIndex >= 0 && SkinIndex < static_cast<int>(gd.size());
}

bool TacSkinContent::IsValidImgIndex(int ImageIndex) const {
    return ImageIndex >= 0 && ImageIndex < static_cast<int>(ma.size());
}

void TacSkinContent::GetSkinSections(QStringList& sl) const {
    sl.clear();
    if (!SkinData.Active) return;
    for (const TsGeneralData& section : gd) sl.append(section.ClassName);
}

TColor TacSkinContent::GetGlobalColor() const {
    const int index = GetSkinIndex(kGlobalInfo);
    return ColorToRGB(index < 0 ? clBtnFace : gd[index].Color);
}

TColor TacSkinContent::GetGlobalFontColor() const {
    const int index = GetSkinIndex(kGlobalInfo);
    return index < 0 ? clFuchsia : ColorToRGB(gd[index].FontColor.Color);
}

TColor TacSkinContent::GetActiveEditColor() const {
    const int index = GetSkinIndex(kGlobalInfo);
    return ColorToRGB(index < 0 ? clWindow : gd[index].HotColor);
}

TColor TacSkinContent::GetActiveEditFontColor() const {
    const int index = GetSkinIndex(QStringLiteral("EDIT"));
    return ColorToRGB(index < 0 ? clWindowText : gd[index].Props[0].FontColor.Color);
}

TColor TacSkinContent::GetHighLightColor(bool Focused) const {
    if (const int selection = GetSkinIndex(QStringLiteral("SELECTION")); selection >= 0) {
        const TsGeneralData& s = gd[selection];
        const TColor color = Focused && s.States > 1 ? s.Props[1].Color : s.Props[0].Color;
        if (!isAbsentColor(color)) return ColorToRGB(color);
    }
    if (const int item = GetSkinIndex(QStringLiteral("MENUITEM")); item >= 0) {
        const TColor color = gd[item].HotColor;
        if (!isAbsentColor(color) && color != clWhite) return ColorToRGB(color);
    }
    return ColorToRGB(clHighlight);
}

TColor TacSkinContent::GetHighLightFontColor(bool Focused) const {
    if (const int selection = GetSkinIndex(QStringLiteral("SELECTION")); selection >= 0) {
        const TsGeneralData& s = gd[selection];
        const TColor color =
            Focused && s.States > 1 ? s.Props[1].FontColor.Color : s.Props[0].FontColor.Color;
        if (!isAbsentColor(color)) return color;
    }
    if (const int item = GetSkinIndex(QStringLiteral("MENUITEM")); item >= 0) {
        const TColor color = gd[item].HotFontColor.Color;
        if (!isAbsentColor(color)) return ColorToRGB(color);
    }
    return ColorToRGB(clHighlightText);
}

QString TacSkinContent::SkinInfo() const {
    return SkinData.Active ? QLocale::c().toString(SkinData.Version) : QStringLiteral("N/A");
}

void TacSkinContent::InitMaskIndexes() {
    for (size_t i = 0; i < gd.size(); ++i) {
        TsGeneralData& section = gd[i];
        if (section.ClassName == kGlobalInfo) continue;
        const int index = static_cast<int>(i);
        section.BorderIndex = GetMaskIndex(index, section.ClassName, QStringLiteral("BORDERSMASK"));
        section.ImgTL = GetMaskIndex(index, section.ClassName, QStringLiteral("IMGTOPLEFT"));
        section.ImgTR = GetMaskIndex(index, section.ClassName, QStringLiteral("IMGTOPRIGHT"));
        section.ImgBL = GetMaskIndex(index, section.ClassName, QStringLiteral("IMGBTMLEFT"));
        section.ImgBR = GetMaskIndex(index, section.ClassName, QStringLiteral("IMGBTMRIGHT"));
    }
}

void TacSkinContent::clearSkin() {
    ma.clear();
    pa.clear();
    MasterBitmap = QImage();
    gd.clear();
}

}  // namespace lingotab::skins
