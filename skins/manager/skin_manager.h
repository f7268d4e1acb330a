#pragma once

// The skin manager: owns the internal skins, the current skin's name and
// directory and the loaded skin (TacSkinContent: SkinData, gd, ma, pa,
// MasterBitmap, ConstData and their lookups, inherited publicly), keeps the
// catalogue of available skins, applies a skin to every window through the
// skin command message (skins/manager/skin_command.h) and fills the skin
// submenu.

#include "skins/manager/stored_skins.h"
#include "skins/options/skin_content.h"

#include <QObject>
#include <QStringList>

class QMenu;

namespace lingotab::skins {

class TacIniModel;
class TacImageLookup;

enum TacSkinTypes { stUnpacked, stPacked, stAllSkins };

class TsSkinManager : public QObject, public TacSkinContent {
    Q_OBJECT

  public:
    explicit TsSkinManager(QObject* parent = nullptr);
    ~TsSkinManager() override;

    // The first manager created in the process (windows without an explicit
    // manager use it); null when it has been destroyed.
    static TsSkinManager* defaultManager();
    // True while a skin is being loaded (painting skips animations then).
    static bool skinLoading();
    // The section named by the last UpdateSkinSection, upper-cased.
    static QString updatedSection();

    // The internal skins (builtInSkins() in the program); set them before
    // the first SkinName, which falls back to the first of them.
    const TsStoredSkins& InternalSkins() const { return internalSkins_; }
    void setInternalSkins(TsStoredSkins skins);

    // Directory of external skins; may be relative to the executable.
    // Setting it refreshes SkinData.SkinPath; it does not reload.
    QString skinDirectory() const { return skinDirectory_; }
    void setSkinDirectory(const QString& value);
    // The skin directory made absolute against the executable's directory.
    QString GetFullSkinDirectory() const;

    // Setting the name loads and applies that skin (also when it is the
    // current one). A load error shows the error box and keeps the previous
    // name; a name that matches nothing loads the first internal skin.
    QString skinName() const { return skinName_; }
    void setSkinName(const QString& value);

    // Skinning on or off: on loads and applies SkinName, off removes the skin.
    bool active() const { return active_; }
    void setActive(bool value);

    bool SkinIsPacked() const { return skinIsPacked_; }
    bool SkinRemoving() const { return skinRemoving_; }

    // The catalogue, sorted ignoring case, duplicates kept; returns the first
    // internal skin (or, without internal skins, the first external skin found).
    QString GetSkinNames(QStringList& sl, TacSkinTypes SkinType = stAllSkins) const;
    QString GetExternalSkinNames(QStringList& sl, TacSkinTypes SkinType = stAllSkins) const;
    QString GetRandomSkin() const;

    // Applies the loaded skin to every window (commands 1, then 16 and 3 when repainting).
    void UpdateSkin(bool Repaint = true);
    // Commands 16 and 3 to every window.
    void RepaintForms(bool DoLockForms = true);
    // Command 13 for one section.
    void UpdateSkinSection(const QString& SectionName);
    // While updating, a skin change loads the skin without applying it.
    void BeginUpdate();
    void EndUpdate(bool Repaint = false, bool AllowAnimation = true);

    // Load the skin named by SkinName from a package file (ReloadPackedSkin)
    // or from a skin folder or the internal skins (ReloadSkin). Raise
    // lingotab::Exception on damaged data.
    void ReloadSkin();
    void ReloadPackedSkin();

    // Write an internal skin's package to DestDir as "<name> extracted.asz".
    void ExtractInternalSkin(const QString& NameOfSkin, const QString& DestDir);
    void ExtractByIndex(int Index, const QString& DestDir);

    // Texts of the skin submenu, from the program's string table.
    void setSkinMenuTexts(const QString& caption, const QString& internalMarker);
    // Puts the "SkinSelectItem" submenu at the top of `systemMenu` (replacing
    // an earlier one, followed by a separator): one radio item per skin of
    // the catalogue, named "SkinSelectItem<i>", the current skin checked.
    // Items at positions 20, 40, ... carry the property "columnBreak" (true):
    // each starts a new column of 20 in the skinned menu.
    void fillSkinMenu(QMenu* systemMenu);
    // The skin name a menu caption selects: "&" removed, cut after the first
    // occurrence of `internalMarker`.
    static QString skinNameFromMenuCaption(QString caption, const QString& internalMarker);

  signals:
    void beforeChange();
    void afterChange();

  private:
    void commitSkin(const TacIniModel* model, const TacImageLookup& images, const QString& skinPath,
                    bool packed);
    void RemoveSkin();
    QString catalogue(QStringList& sl, TacSkinTypes SkinType, bool withInternal) const;
    QString packageFilePath(const QString& name) const;

    TsStoredSkins internalSkins_;
    QString skinDirectory_ = QStringLiteral("c:\\Skins");
    QString skinName_;
    bool active_ = true;
    bool skinIsPacked_ = false;
    bool skinRemoving_ = false;
    bool nonAutoUpdate_ = false;
    QString menuCaption_ = QStringLiteral("Доступные стили");
    QString internalMarker_ = QStringLiteral("(internal)");
};

}  // namespace lingotab::skins
