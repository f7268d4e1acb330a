#include "skins/package/package_writer.h"

#include <zlib.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <limits>

#include "platform/exception.h"

namespace lingotab::skins {
namespace {

constexpr char kOptionsName[] = "OPTIONS.DAT";

// Sort key of a file inside a package: options text, bitmaps, other images.
int groupOf(const QString& name) {
    if (name.toUpper() == QLatin1String(kOptionsName)) return 0;
    return name.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive) ? 1 : 2;
}

void appendInt32(QByteArray& out, qint64 value) {
    if (value < 0 || value > std::numeric_limits<qint32>::max())
        throw Exception(QStringLiteral("Skin file too large for a package"));
    const auto v = static_cast<quint32>(value);
    const char bytes[4] = {char(v & 0xFF), char((v >> 8) & 0xFF), char((v >> 16) & 0xFF),
                           char((v >> 24) & 0xFF)};
    out.append(bytes, 4);
}

QByteArray entryName(const QString& name) {
    const QByteArray latin1 = name.toLatin1();
    if (name.isEmpty() || QString::fromLatin1(latin1) != name || name.contains(u'/') ||
        name.contains(u'\\'))
        throw Exception(QStringLiteral("Unsuitable skin file name \"%1\"").arg(name));
    return latin1;
}

QByteArray deflate(const QByteArray& data) {
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    QByteArray out(static_cast<qsizetype>(size), Qt::Uninitialized);
    const int rc = compress2(reinterpret_cast<Bytef*>(out.data()), &size,
                             reinterpret_cast<const Bytef*>(data.constData()),
                             static_cast<uLong>(data.size()), Z_DEFAULT_COMPRESSION);
    if (rc != Z_OK) throw Exception(QString::fromLatin1(zError(rc)));
    out.truncate(static_cast<qsizetype>(size));
    return out;
}

}  // namespace

QByteArray writeSkinPackage(std::vector<PackageFile> files) {
    const auto options = std::count_if(files.begin(), files.end(),
                                       [](const PackageFile& f) { return groupOf(f.name) == 0; });
    if (options != 1) throw Exception(QStringLiteral("A skin needs exactly one Options.dat file"));
    std::stable_sort(files.begin(), files.end(), [](const PackageFile& a, const PackageFile& b) {
        const int ga = groupOf(a.name), gb = groupOf(b.name);
        if (ga != gb) return ga < gb;
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });

    QByteArray out("ASzf");
    appendInt32(out, static_cast<qint64>(files.size()));
    for (const PackageFile& file : files) {
        const QByteArray name = entryName(file.name);
        appendInt32(out, name.size());
        out.append(name);
        appendInt32(out, file.data.size());
        out.append(deflate(file.data));
    }
    return out;
}

QByteArray packSkinFolder(const QString& folder) {
    const QDir dir(folder);
    if (!dir.exists())
        throw Exception(QStringLiteral("Skin folder \"%1\" does not exist").arg(folder));
    std::vector<PackageFile> files;
    for (const QFileInfo& info : dir.entryInfoList(QDir::Files | QDir::NoDotAndDotDot)) {
        QFile file(info.filePath());
        if (!file.open(QIODevice::ReadOnly))
            throw Exception(
                QStringLiteral("Cannot read \"%1\": %2").arg(info.filePath(), file.errorString()));
        files.push_back({info.fileName(), file.readAll()});
    }
    return writeSkinPackage(std::move(files));
}

}  // namespace lingotab::skins
