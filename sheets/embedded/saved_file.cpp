#include "sheets/embedded/saved_file.h"

#include "platform/exception.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace lingotab::sheets {

namespace {

constexpr auto kHash = QCryptographicHash::Sha256;

}  // namespace

SavedFile SavedFile::record(const QString& path, QByteArray hash) {
    const QFileInfo info(path);
    return {path, info.size(), info.lastModified(), std::move(hash)};
}

bool SavedFile::stillOurs() const {
    const QFileInfo info(path);
    if (!info.isFile() || info.size() != size || info.lastModified() != modified) return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    QCryptographicHash h(kHash);
    return h.addData(&file) && h.result() == hash;
}

QByteArray hashFile(const QString& path) {
    QFile file(path);
    QCryptographicHash h(kHash);
    if (!file.open(QIODevice::ReadOnly) || !h.addData(&file))
        throw Exception(QStringLiteral("Cannot read the workbook \"%1\": %2")
                            .arg(QDir::toNativeSeparators(path), file.errorString()));
    return h.result();
}

}  // namespace lingotab::sheets
