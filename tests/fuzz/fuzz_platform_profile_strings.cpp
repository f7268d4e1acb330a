// The settings file is text the user may edit by hand. Whatever it holds,
// reading gives some value, and a write keeps the file readable: the key
// written reads back as written.
#include "platform/profile_strings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lingotab::platform;
    static const QString path = QDir::temp().filePath(
        QStringLiteral("fuzz_profile_%1.ini").arg(QCoreApplication::applicationPid()));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) return 0;
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    const QString section = QStringLiteral("APP_WINDOW");
    for (const char* key : {"SkinName", "Lang", "Vertical"})
        GetPrivateProfileString(section, QLatin1String(key), QStringLiteral("d"), 2048, path);
    if (WritePrivateProfileString(section, QStringLiteral("SkinName"), QStringLiteral("Written"),
                                  path) &&
        GetPrivateProfileString(section, QStringLiteral("SkinName"), {}, 2048, path) !=
            QLatin1String("Written"))
        std::abort();
    QFile::remove(path);
    return 0;
}
