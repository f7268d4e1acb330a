#include "platform/resource_module_search.h"

#include "platform/registry.h"

#include <QFileInfo>

namespace lingotab::platform {

namespace {

struct LocaleKey {
    HKEY hive;
    const char* path;
};

constexpr LocaleKey kLocaleKeys[] = {
    {HKEY_CURRENT_USER, "Software\\Embarcadero\\Locales"},
    {HKEY_LOCAL_MACHINE, "Software\\Embarcadero\\Locales"},
    {HKEY_CURRENT_USER, "Software\\CodeGear\\Locales"},
    {HKEY_LOCAL_MACHINE, "Software\\CodeGear\\Locales"},
    {HKEY_CURRENT_USER, "Software\\Borland\\Locales"},
    {HKEY_CURRENT_USER, "Software\\Borland\\Delphi\\Locales"},
};

QString firstExisting(const QString& stem, const QStringList& names) {
    for (const QString& name : names) {
        const QString candidate = stem + name;
        if (!name.isEmpty() && QFileInfo(candidate).isFile()) return candidate;
    }
    return {};
}

}  // namespace

QString localeOverride(const QString& exePath) {
    for (const LocaleKey& locale : kLocaleKeys) {
        HKEY key = 0;
        if (RegOpenKeyEx(locale.hive, QLatin1String(locale.path), KEY_READ, &key) != ERROR_SUCCESS)
            continue;
        QString value;
        if (RegQueryValueEx(key, exePath, nullptr, &value) != ERROR_SUCCESS &&
            RegQueryValueEx(key, QString(), nullptr, &value) != ERROR_SUCCESS)
            value.clear();
        RegCloseKey(key);
        return value;
    }
    return {};
}

QString resourceModuleStem(const QString& exePath) {
    const qsizetype slash = exePath.lastIndexOf(u'/');
    const qsizetype dot = exePath.lastIndexOf(u'.');
    if (dot > slash) return exePath.left(dot + 1);
    return exePath + u'.';
}

QString findResourceModuleFile(const QString& exePath, const QString& override,
                               const QStringList& uiCandidates) {
    const QString stem = resourceModuleStem(exePath);
    if (!override.isEmpty()) return firstExisting(stem, override.split(u','));
    return firstExisting(stem, uiCandidates);
}

}  // namespace lingotab::platform
