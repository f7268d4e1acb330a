#include "skins/package/skin_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace lingotab::skins {

QString normalizedDirectory(const QString& directory) {
    if (directory.isEmpty() || directory.endsWith(QLatin1Char('/'))) return directory;
    if (directory.endsWith(QLatin1Char('\\'))) return directory.chopped(1) + QLatin1Char('/');
    return directory + QLatin1Char('/');
}

QString fullSkinDirectory(const QString& skinDirectory, const QString& exeDir) {
    if (skinDirectory.startsWith(QLatin1String(".."))) {
        QString parent = exeDir.chopped(std::min<qsizetype>(1, exeDir.size()));
        while (!parent.isEmpty() && !parent.endsWith(QLatin1Char('/')) &&
               !parent.endsWith(QLatin1Char('\\')))
            parent.chop(1);
        return parent + skinDirectory.mid(3);
    }
    if (skinDirectory.startsWith(QLatin1String("./")) ||
        skinDirectory.startsWith(QLatin1String(".\\")))
        return exeDir + skinDirectory.mid(2);
    if (!QDir::isAbsolutePath(skinDirectory)) return exeDir + skinDirectory;
    return skinDirectory;
}

QString executableDirectory() {
    return normalizedDirectory(QCoreApplication::applicationDirPath());
}

QString findPathIgnoringCase(const QString& path) {
    if (path.isEmpty()) return {};
    if (QFileInfo::exists(path)) return path;
    // Walk the components from the first one, matching each case-insensitively.
    const bool absolute = path.startsWith(QLatin1Char('/'));
    const QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString found = absolute ? QStringLiteral("/") : QString();
    for (const QString& part : parts) {
        const QString exact = found + part;
        if (QFileInfo::exists(exact)) {
            found = exact + QLatin1Char('/');
            continue;
        }
        const QDir dir(found.isEmpty() ? QStringLiteral(".") : found);
        const QStringList entries =
            dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        const auto match = std::find_if(entries.begin(), entries.end(), [&](const QString& entry) {
            return entry.compare(part, Qt::CaseInsensitive) == 0;
        });
        if (match == entries.end()) return {};
        found += *match + QLatin1Char('/');
    }
    found.chop(1);
    return found;
}

}  // namespace lingotab::skins
