#include "skins/manager/skin_manager.h"

#include "platform/exception.h"
#include "skins/manager/skin_command.h"
#include "skins/manager/skin_messages.h"
#include "skins/options/ini_model.h"
#include "skins/options/options_loader.h"
#include "skins/package/image_lookup.h"
#include "skins/package/skin_paths.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QWidget>

namespace lingotab::skins {

namespace {

TsSkinManager* gDefaultManager = nullptr;
int gSkinLoading = 0;
QString gUpdatedSection;

// Raises the process-wide skin loading flag for one scope.
class LoadingScope {
  public:
    LoadingScope() { ++gSkinLoading; }
    ~LoadingScope() { --gSkinLoading; }
    LoadingScope(const LoadingScope&) = delete;
    LoadingScope& operator=(const LoadingScope&) = delete;
};

// Switches redraw off on the visible top-level windows for one scope.
class FrozenWindows {
  public:
    explicit FrozenWindows(bool freeze) {
        if (!freeze) return;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && window->updatesEnabled()) {
                window->setUpdatesEnabled(false);
                windows_.append(window);
            }
        }
    }
    ~FrozenWindows() {
        for (const QPointer<QWidget>& window : windows_) {
            if (window) window->setUpdatesEnabled(true);
        }
    }
    FrozenWindows(const FrozenWindows&) = delete;
    FrozenWindows& operator=(const FrozenWindows&) = delete;

  private:
    QList<QPointer<QWidget>> windows_;
};

TacIniModel readOptionsFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Exception(
            QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    if (file.size() > kMaxPackageEntrySize)
        throw Exception(QStringLiteral("Skin options file \"%1\" is too large").arg(path));
    const QByteArray text = file.readAll();
    if (file.error() != QFileDevice::NoError) throw Exception(QStringLiteral("Stream read error"));
    return TacIniModel::fromText(text);
}

}  // namespace

TsSkinManager::TsSkinManager(QObject* parent) : QObject(parent) {
    if (!gDefaultManager) gDefaultManager = this;
    SkinData.SkinPath = normalizedDirectory(GetFullSkinDirectory());
}

TsSkinManager::~TsSkinManager() {
    if (gDefaultManager == this) gDefaultManager = nullptr;
}

TsSkinManager* TsSkinManager::defaultManager() {
    return gDefaultManager;
}

bool TsSkinManager::skinLoading() {
    return gSkinLoading > 0;
}

QString TsSkinManager::updatedSection() {
    return gUpdatedSection;
}

void TsSkinManager::setInternalSkins(TsStoredSkins skins) {
    internalSkins_ = std::move(skins);
}

void TsSkinManager::setSkinDirectory(const QString& value) {
    if (value == skinDirectory_) return;
    skinDirectory_ = value;
    SkinData.SkinPath = normalizedDirectory(GetFullSkinDirectory());
}

QString TsSkinManager::GetFullSkinDirectory() const {
    return fullSkinDirectory(skinDirectory_, executableDirectory());
}

// Package files are looked up in the same full skin directory as the
// catalogue lists them from, so a listed package is the one that loads.
QString TsSkinManager::packageFilePath(const QString& name) const {
    return normalizedDirectory(GetFullSkinDirectory()) + name + QLatin1String(".asz");
}

void TsSkinManager::setSkinName(const QString& value) {
    const QString previous = skinName_;
    skinName_ = value;
    if (!active_) return;
    emit beforeChange();
    {
        const LoadingScope loading;
        SkinData.Active = false;
        try {
            if (QFileInfo(packageFilePath(value)).isFile())
                ReloadPackedSkin();
            else
                ReloadSkin();
        } catch (const std::exception& error) {
            skinName_ = previous;
            const auto* own = dynamic_cast<const Exception*>(&error);
            showSkinError(own ? own->message() : QString::fromLocal8Bit(error.what()));
        }
        if (!active_)
            RemoveSkin();
        else if (!nonAutoUpdate_)
            UpdateSkin(true);
    }
    emit afterChange();
}

void TsSkinManager::setActive(bool value) {
    if (value == active_) return;
    active_ = value;
    if (value) {
        setSkinName(skinName_);
    } else {
        RemoveSkin();
        InitConstantIndexes();
    }
}

// The new skin is built apart and replaces the loaded one only when every
// loader succeeded, so a damaged skin leaves the previous one intact.
void TsSkinManager::commitSkin(const TacIniModel* model, const TacImageLookup& images,
                               const QString& skinPath, bool packed) {
    TacSkinContent fresh;
    fresh.SkinData = SkinData;
    fresh.SkinData.SkinPath = skinPath;
    fresh.SkinData.Active = false;
    loadSkinContent(fresh, {model, &images, this, skinName_});
    static_cast<TacSkinContent&>(*this) = std::move(fresh);
    skinIsPacked_ = packed;
}

void TsSkinManager::ReloadPackedSkin() {
    if (!active_) return;
    const LoadingScope loading;
    const QString path = packageFilePath(skinName_);
    const std::optional<TacSkinConvertor> package = loadPackageFile(path);
    if (!package)
        throw Exception(
            QStringLiteral("Cannot open file \"%1\". No such file or directory").arg(path));
    const TacIniModel model = TacIniModel::fromText(package->Options);
    commitSkin(&model, TacImageLookup(*package), normalizedDirectory(GetFullSkinDirectory()), true);
}

void TsSkinManager::ReloadSkin() {
    if (!active_) return;
    const LoadingScope loading;
    const QString skinPath =
        normalizedDirectory(GetFullSkinDirectory()) + skinName_ + QLatin1Char('/');
    const QString optionsPath = findPathIgnoringCase(skinPath + QLatin1String("Options.dat"));
    if (!optionsPath.isEmpty() && QFileInfo(optionsPath).isFile()) {
        const TacIniModel model = readOptionsFile(optionsPath);
        commitSkin(&model, TacImageLookup(skinPath), skinPath, false);
        return;
    }
    int index = IndexOf(internalSkins_, skinName_);
    if (index < 0) {
        if (internalSkins_.empty()) {
            active_ = false;
            return;
        }
        index = 0;
        skinName_ = internalSkins_.front().Name;
    }
    const QByteArray& bytes = internalSkins_[index].PackedData;
    if (bytes.isEmpty()) {
        commitSkin(nullptr, TacImageLookup(), {}, false);
        return;
    }
    const TacSkinConvertor package = readPackage(bytes);
    const TacIniModel model = TacIniModel::fromText(package.Options);
    commitSkin(&model, TacImageLookup(package), {}, true);
}

void TsSkinManager::UpdateSkin(bool Repaint) {
    if (!active_) return;
    const FrozenWindows frozen(Repaint);
    SkinData.Active = false;
    InitConstantIndexes();
    broadcastSkinCommand(AC_SETNEWSKIN, this);
    SkinData.Active = true;
    if (Repaint) RepaintForms(false);
}

void TsSkinManager::RepaintForms(bool DoLockForms) {
    const FrozenWindows frozen(DoLockForms);
    broadcastSkinCommand(AC_PREPARING, this);
    broadcastSkinCommand(AC_REFRESH, this);
}

void TsSkinManager::UpdateSkinSection(const QString& SectionName) {
    gUpdatedSection = SectionName.toUpper();
    broadcastSkinCommand(AC_UPDATESECTION, this, gUpdatedSection);
}

void TsSkinManager::BeginUpdate() {
    nonAutoUpdate_ = true;
}

// Skin changes are not animated, so AllowAnimation has nothing to switch.
void TsSkinManager::EndUpdate(bool Repaint, bool /*AllowAnimation*/) {
    nonAutoUpdate_ = false;
    UpdateSkin(Repaint);
}

void TsSkinManager::RemoveSkin() {
    skinRemoving_ = true;
    SkinData.Active = false;
    broadcastSkinCommand(AC_REMOVESKIN, this);
    clearSkin();
    skinRemoving_ = false;
}

}  // namespace lingotab::skins
