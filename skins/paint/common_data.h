#pragma once

// The skin record of one skinned control: which section it paints, the
// section's indexes in the loaded skin, and the control's painted image.

#include "skins/options/skin_content.h"

#include <QImage>
#include <QRegion>
#include <QString>

namespace lingotab::skins {

class TsSkinManager;

class TsCommonData {
  public:
    // Kind codes of the owning control, as the text routine asks for them.
    static constexpr int COC_TsBitBtn = 94;
    static constexpr int COC_TsCheckBox = 32;
    static constexpr int COC_TsRadioButton = 33;

    explicit TsCommonData(QString section, int kind = 0);

    // Stored upper-cased; empty becomes "UNKNOWN". Refreshes the indexes.
    const QString& SkinSection() const { return FSkinSection; }
    void setSkinSection(const QString& value);

    // The manager that paints this control: the explicit one, else the
    // default manager; null when there is none.
    TsSkinManager* SkinManager() const;
    void setSkinManager(TsSkinManager* manager) { FSkinManager = manager; }
    // True while a skin is applied and the section exists in it.
    bool Skinned() const;

    // Looks the section and its masks up in the current skin and marks the
    // cached image stale.
    void UpdateIndexes();
    // Forgets the skin: indexes -1, cached image and region dropped.
    void RemoveSkin();

    // The state rule: 1 while enabled and focused or (for controls that
    // track the mouse) with the mouse above, else 0.
    int CtrlState(bool enabled) const { return enabled && (FFocused || FMouseAbove) ? 1 : 0; }

    bool FCustomFont = false;
    bool FCustomColor = false;
    bool FUpdating = false;
    int COC = 0;
    int SkinIndex = -1;
    int BorderIndex = -1;
    int Texture = -1;
    int HotTexture = -1;
    bool BGChanged = true;
    bool FFocused = false;
    bool FMouseAbove = false;
    QImage FCacheBmp;  // the last painted image, reused until BGChanged
    QRegion FRegion;

  private:
    QString FSkinSection;
    TsSkinManager* FSkinManager = nullptr;
};

}  // namespace lingotab::skins
