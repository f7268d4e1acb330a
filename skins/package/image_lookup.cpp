#include "skins/package/image_lookup.h"

#include "skins/package/skin_paths.h"

#include <QFile>

namespace lingotab::skins {

TacImageLookup::TacImageLookup(const TacSkinConvertor& package) : package_(&package) {
    upperNames_.reserve(package.Files.size());
    for (const TacImageItem& item : package.Files) upperNames_.push_back(item.FileName.toUpper());
}

TacImageLookup::TacImageLookup(QString skinPath) : skinPath_(std::move(skinPath)) {}

std::optional<QByteArray> TacImageLookup::find(const QString& reference) const {
    if (reference.isEmpty()) return std::nullopt;
    if (package_) {
        const int count = std::min<int>(package_->ImageCount, static_cast<int>(upperNames_.size()));
        for (int i = 0; i < count; ++i) {
            if (upperNames_[i] == reference) return package_->Files[i].FileStream;
        }
        return std::nullopt;
    }
    if (skinPath_.isEmpty()) return std::nullopt;
    QString path = reference;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!path.contains(QLatin1Char(':')) && !path.startsWith(QLatin1Char('/')))
        path.prepend(skinPath_);
    const QString found = findPathIgnoringCase(path);
    QFile file(found);
    if (found.isEmpty() || file.size() > kMaxPackageEntrySize || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

}  // namespace lingotab::skins
