// The catalogue of available skins and the extraction of internal skins.

#include "skins/manager/skin_manager.h"
#include "skins/manager/skin_messages.h"
#include "skins/package/skin_paths.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>

namespace lingotab::skins {

QString TsSkinManager::catalogue(QStringList& sl, TacSkinTypes SkinType, bool withInternal) const {
    sl.clear();
    QStringList names;
    QString first;
    if (withInternal) {
        for (const TsStoredSkin& skin : internalSkins_) names.append(skin.Name);
        first = names.value(0);
    }
    const QDir directory(GetFullSkinDirectory());
    if (!directory.path().isEmpty() && directory.exists()) {
        const QFileInfoList entries = directory.entryInfoList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
        for (const QFileInfo& entry : entries) {
            const QString name = entry.fileName();
            if (name.startsWith(QLatin1Char('.'))) continue;
            QString listed;
            if (entry.isDir()) {
                const QString options =
                    findPathIgnoringCase(entry.filePath() + QLatin1String("/Options.dat"));
                if (SkinType != stPacked && !options.isEmpty() && QFileInfo(options).isFile())
                    listed = name;
            } else if (SkinType != stUnpacked && entry.suffix() == QLatin1String("asz")) {
                // Up to the extension, so that the listed name loads this file.
                listed = entry.completeBaseName();
            }
            if (listed.isEmpty()) continue;
            names.append(listed);
            if (first.isEmpty()) first = listed;
        }
    }
    std::stable_sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    sl = names;
    return first;
}

QString TsSkinManager::GetSkinNames(QStringList& sl, TacSkinTypes SkinType) const {
    return catalogue(sl, SkinType, true);
}

QString TsSkinManager::GetExternalSkinNames(QStringList& sl, TacSkinTypes SkinType) const {
    return catalogue(sl, SkinType, false);
}

QString TsSkinManager::GetRandomSkin() const {
    QStringList names;
    GetSkinNames(names, stAllSkins);
    if (names.isEmpty()) return {};
    QRandomGenerator generator(QRandomGenerator::system()->generate());
    return names[static_cast<qsizetype>(generator.bounded(static_cast<quint32>(names.size())))];
}

void TsSkinManager::ExtractInternalSkin(const QString& NameOfSkin, const QString& DestDir) {
    bool found = false;
    for (size_t i = 0; i < internalSkins_.size(); ++i) {
        if (internalSkins_[i].Name != NameOfSkin) continue;
        found = true;
        if (QFileInfo(DestDir).isDir())
            ExtractByIndex(static_cast<int>(i), DestDir);
        else
            showSkinError(QStringLiteral("Directory does not exists."));
    }
    if (!found) showSkinError(QStringLiteral("Skin does not exists."));
}

void TsSkinManager::ExtractByIndex(int Index, const QString& DestDir) {
    if (Index < 0 || Index >= static_cast<int>(internalSkins_.size())) return;
    const QString directory = normalizedDirectory(DestDir);
    if (!QFileInfo(directory).isDir() && !QDir().mkdir(directory)) {
        showSkinError(QStringLiteral("Directory ") + directory +
                      QStringLiteral(" creation error."));
        return;
    }
    const TsStoredSkin& skin = internalSkins_[Index];
    QSaveFile file(directory + skin.Name + QLatin1String(" extracted.asz"));
    if (!file.open(QIODevice::WriteOnly) || file.write(skin.PackedData) != skin.PackedData.size() ||
        !file.commit())
        showSkinError(QStringLiteral("Cannot create file \"%1\". %2")
                          .arg(file.fileName(), file.errorString()));
}

}  // namespace lingotab::skins
