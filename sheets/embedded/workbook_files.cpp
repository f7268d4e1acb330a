#include "sheets/embedded/workbook_files.h"

#include "platform/exception.h"
#include "sheets/embedded/xlsx_writer.h"

#include <fcntl.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace lingotab::sheets {

namespace {

[[noreturn]] void fail(const QString& path, const QString& reason) {
    throw Exception(QStringLiteral("Cannot save the workbook \"%1\": %2")
                        .arg(QDir::toNativeSeparators(path), reason));
}

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// Moves `from` to `to`. Without `replace` an existing `to` is kept and the
// move fails with EEXIST, decided by the file system in one step.
int moveFile(const QString& from, const QString& to, bool replace) {
    const QByteArray source = QFile::encodeName(from), target = QFile::encodeName(to);
    if (replace) return std::rename(source, target) == 0 ? 0 : errno;
    if (renameat2(AT_FDCWD, source, AT_FDCWD, target, RENAME_NOREPLACE) == 0) return 0;
    if (errno != EINVAL && errno != ENOSYS) return errno;
    // A file system without that rename: a hard link refuses an existing name too.
    if (link(source, target) != 0) return errno;
    unlink(source);
    return 0;
}

// A name for the file being written, beside the target so the rename stays
// on one file system.
QString temporaryPath(const QString& directory) {
    QTemporaryFile file(directory + QStringLiteral("/.lingotab-XXXXXX.xlsx"));
    file.setAutoRemove(false);
    if (!file.open()) fail(directory, file.errorString());
    return file.fileName();
}

QString bookPath(const QString& directory, int number) {
    return QStringLiteral("%1/Book%2.xlsx").arg(directory).arg(number);
}

}  // namespace

QString workbookDirectory() {
    const QString fromEnvironment = qEnvironmentVariable("LINGOTAB_WORKBOOK_DIR");
    if (!fromEnvironment.isEmpty()) return QDir::cleanPath(fromEnvironment);
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
           QStringLiteral("/Lingotab");
}

SavedFile saveWorkbook(const WorkbookModel& workbook, const SaveTarget& target) {
    const bool named = !target.path.isEmpty();
    const QString directory = named ? QFileInfo(target.path).absolutePath() : workbookDirectory();
    if (!QDir().mkpath(directory)) fail(directory, QStringLiteral("the folder cannot be created"));
    if (named && !target.replace && QFileInfo::exists(target.path))
        fail(target.path, QStringLiteral("the file exists"));

    const QString temporary = temporaryPath(directory);
    QByteArray hash;
    try {
        writeXlsx(workbook, temporary);
        // The temporary file is private; the workbook is an ordinary document.
        QFile::setPermissions(temporary, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                             QFileDevice::ReadGroup | QFileDevice::ReadOther);
        hash = hashFile(temporary);
    } catch (...) {
        QFile::remove(temporary);
        throw;
    }

    QString path = target.path;
    int error = 0;
    if (named) {
        error = moveFile(temporary, path, target.replace);
    } else {
        for (int n = 1;; ++n) {
            path = bookPath(directory, n);
            if (QFileInfo::exists(path)) continue;
            error = moveFile(temporary, path, false);
            if (error != EEXIST) break;
        }
    }
    if (error) {
        QFile::remove(temporary);
        fail(path, error == EEXIST ? QStringLiteral("the file exists") : systemReason(error));
    }
    return SavedFile::record(path, std::move(hash));
}

}  // namespace lingotab::sheets
