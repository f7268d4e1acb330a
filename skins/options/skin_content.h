#pragma once

#include "skins/options/skin_data.h"

#include <QStringList>

namespace lingotab::skins {

// Everything one load produces, with the lookups controls use to find their
// section and masks. Lookups are linear scans; the frequent ones are cached
// in ConstData and in each section record's mask indexes at load time.
class TacSkinContent {
  public:
    TsSkinData SkinData;
    std::vector<TsGeneralData> gd;
    std::vector<TsMaskData> ma;
    std::vector<TsPatternData> pa;
    QImage MasterBitmap;  // transparent colour: magenta
    TConstantSkinData ConstData;

    // Index in `gd` of the first section named `SkinSection` (case-sensitive), or -1.
    int GetSkinIndex(const QString& SkinSection) const;
    // First mask of that section and key; failing that, the same in the
    // section's parent (recursively, each section visited once), else -1.
    int GetMaskIndex(int SkinIndex, const QString& SkinSection, const QString& mask) const;
    // First mask of that section and key, without inheritance.
    int GetMaskIndex(const QString& SkinSection, const QString& mask) const;
    // As the inheriting GetMaskIndex, over texture masks only.
    int GetTextureIndex(int SkinIndex, const QString& SkinSection, const QString& PropName) const;
    // As the inheriting GetMaskIndex, over the JPEG patterns `pa`.
    int GetPatternIndex(int SkinIndex, const QString& SkinSection, const QString& pattern) const;

    // Slice widths of a mask: its own widths, else its uniform border width,
    // else one frame's width (left, right) or one band's height (top, bottom).
    int MaskWidthLeft(int MaskIndex) const;
    int MaskWidthTop(int MaskIndex) const;
    int MaskWidthRight(int MaskIndex) const;
    int MaskWidthBottom(int MaskIndex) const;

    bool IsValidSkinIndex(int SkinIndex) const;
    bool IsValidImgIndex(int ImageIndex) const;
    // Section names in record order while a skin is applied, else nothing.
    void GetSkinSections(QStringList& sl) const;

    // Colours with system-colour fallbacks when the skin lacks the section.
    TColor GetGlobalColor() const;
    TColor GetGlobalFontColor() const;
    TColor GetActiveEditColor() const;
    TColor GetActiveEditFontColor() const;
    TColor GetHighLightColor(bool Focused) const;
    TColor GetHighLightFontColor(bool Focused) const;

    // The skin's version with "." as decimal separator while applied, else "N/A".
    QString SkinInfo() const;
    // The engine release whose skins this reader understands.
    static QString Version() { return QStringLiteral("7.26"); }

    // Fills BorderIndex and the corner image indexes of every section but
    // "GLOBALINFO".
    void InitMaskIndexes();
    // Rebuilds ConstData, then the per-section mask indexes.
    void InitConstantIndexes();

    // Drops masks, patterns, the master bitmap and the section records.
    void clearSkin();

  private:
    template <typename Match>
    int findInherited(int SkinIndex, const QString& SkinSection, const Match& match) const;
};

}  // namespace lingotab::skins
