#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace lingotab::sheets {

// A file as we wrote it: enough to tell later whether it is still ours, or
// whether the user has changed, replaced, moved or deleted it since.
struct SavedFile {
    QString path;
    qint64 size = 0;
    QDateTime modified;
    QByteArray hash;  // of the content

    // Records `path` as it is now; `hash` is that of the bytes written.
    static SavedFile record(const QString& path, QByteArray hash);
    // True while the file at `path` has our size, time and content.
    bool stillOurs() const;
};

// The content hash that SavedFile keeps. Raises lingotab::Exception when the
// file cannot be read.
QByteArray hashFile(const QString& path);

}  // namespace lingotab::sheets
