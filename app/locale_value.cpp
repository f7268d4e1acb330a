#include "app/locale_value.h"

#include "platform/exception.h"
#include "platform/registry.h"

namespace lingotab::app {

using namespace lingotab::platform;

namespace {

const QString kLocalesKey = QStringLiteral("Software\\Embarcadero\\Locales");
const QString kVendorKey = QStringLiteral("Software\\Embarcadero");

// Opens `path` with full access, creating it; reports whether it opened.
bool openForWriting(const QString& path, HKEY* key) {
    return RegCreateKeyEx(HKEY_CURRENT_USER, path, KEY_ALL_ACCESS, key) == ERROR_SUCCESS;
}

bool isEmpty(HKEY key) {
    DWORD subKeys = 0, values = 0;
    return RegQueryInfoKey(key, &subKeys, &values) == ERROR_SUCCESS && subKeys == 0 && values == 0;
}

}  // namespace

void WriteLocaleValue(const QString& value, const QString& name) {
    HKEY key = 0;
    if (!openForWriting(kLocalesKey, &key)) return;
    const LONG result = RegSetValueEx(key, name, REG_SZ, value);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS)
        throw Exception(QStringLiteral("Failed to set data for '%1'").arg(name));
}

void DeleteLocaleValue(const QString& name) {
    HKEY key = 0;
    if (!openForWriting(kLocalesKey, &key)) return;
    RegDeleteValue(key, name);
    const bool empty = isEmpty(key);
    RegCloseKey(key);
    if (!empty) return;
    RegDeleteKey(HKEY_CURRENT_USER, kLocalesKey);

    if (!openForWriting(kVendorKey, &key)) return;
    const bool vendorEmpty = isEmpty(key);
    RegCloseKey(key);
    if (vendorEmpty) RegDeleteKey(HKEY_CURRENT_USER, kVendorKey);
}

}  // namespace lingotab::app
