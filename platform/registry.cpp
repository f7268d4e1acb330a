#include "platform/registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>
#include <map>

namespace lingotab::platform {

namespace {

// A key in the file: {"keys": {name: key...}, "values": {name: data...}}.
const QString kKeys = QStringLiteral("keys");
const QString kValues = QStringLiteral("values");

struct OpenKey {
    HKEY hive;
    QStringList path;  // names as stored, from the hive's root
    bool writable;
};

std::map<HKEY, OpenKey>& openKeys() {
    static std::map<HKEY, OpenKey> table;
    return table;
}

QString hiveFile(HKEY hive) {
    const QString name = hive == HKEY_CURRENT_USER ? QStringLiteral("HKEY_CURRENT_USER.json")
                                                   : QStringLiteral("HKEY_LOCAL_MACHINE.json");
    const QString dir = qEnvironmentVariable("LINGOTAB_REGISTRY_DIR");
    if (!dir.isEmpty()) return dir + u'/' + name;
    if (hive == HKEY_CURRENT_USER)
        return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
               QStringLiteral("/lingotab/registry/") + name;
    return QStringLiteral("/etc/xdg/lingotab/registry/") + name;
}

QJsonObject loadHive(HKEY hive) {
    QFile file(hiveFile(hive));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

bool saveHive(HKEY hive, const QJsonObject& root) {
    const QString fileName = hiveFile(hive);
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(QJsonDocument(root).toJson());
    return file.commit();
}

// The stored spelling of `name` among the members of `object`, or empty.
QString storedName(const QJsonObject& object, const QString& name) {
    for (auto it = object.begin(); it != object.end(); ++it)
        if (it.key().compare(name, Qt::CaseInsensitive) == 0) return it.key();
    return {};
}

bool findChild(const QJsonObject& key, const QString& name, QString* stored) {
    const QJsonObject children = key.value(kKeys).toObject();
    *stored = storedName(children, name);
    return !stored->isEmpty();
}

// Follows `path` from the root; false when a key on the way is missing.
bool walk(const QJsonObject& root, const QStringList& path, QJsonObject* key) {
    QJsonObject current = root;
    for (const QString& name : path) {
        QString stored;
        if (!findChild(current, name, &stored)) return false;
        current = current.value(kKeys).toObject().value(stored).toObject();
    }
    *key = current;
    return true;
}

// Replaces the key at `path` (which must exist) by `key`.
QJsonObject replaced(const QJsonObject& root, const QStringList& path, const QJsonObject& key,
                     qsizetype depth = 0) {
    if (depth == path.size()) return key;
    QJsonObject children = root.value(kKeys).toObject();
    const QString& name = path[depth];
    children[name] = replaced(children.value(name).toObject(), path, key, depth + 1);
    QJsonObject result = root;
    result[kKeys] = children;
    return result;
}

QStringList splitPath(const QString& subKey) {
    return subKey.split(u'\\', Qt::SkipEmptyParts);
}

bool isHive(HKEY key) {
    return key == HKEY_CURRENT_USER || key == HKEY_LOCAL_MACHINE;
}

// The hive and path a handle stands for.
const OpenKey* resolve(HKEY key) {
    static const OpenKey currentUser{HKEY_CURRENT_USER, {}, true};
    static const OpenKey localMachine{HKEY_LOCAL_MACHINE, {}, true};
    if (key == HKEY_CURRENT_USER) return &currentUser;
    if (key == HKEY_LOCAL_MACHINE) return &localMachine;
    const auto it = openKeys().find(key);
    return it == openKeys().end() ? nullptr : &it->second;
}

HKEY newHandle(OpenKey key) {
    static HKEY next = 0x1000;
    const HKEY handle = next++;
    openKeys().emplace(handle, std::move(key));
    return handle;
}

bool writableAccess(REGSAM access) {
    return (access & 0x6) != 0;
}  // set value, create subkey

}  // namespace

LONG RegCreateKeyEx(HKEY key, const QString& subKey, REGSAM access, HKEY* result,
                    DWORD* disposition) {
    const OpenKey* parent = resolve(key);
    if (!parent) return ERROR_INVALID_HANDLE;
    QJsonObject root = loadHive(parent->hive);
    QJsonObject current;
    if (!walk(root, parent->path, &current)) return ERROR_KEY_DELETED;

    QStringList path = parent->path;
    bool created = false;
    for (const QString& name : splitPath(subKey)) {
        QString stored;
        if (findChild(current, name, &stored)) {
            path.append(stored);
            current = current.value(kKeys).toObject().value(stored).toObject();
        } else {
            path.append(name);
            current = QJsonObject();
            root = replaced(root, path, current);
            created = true;
        }
    }
    if (created && !saveHive(parent->hive, root)) return ERROR_ACCESS_DENIED;
    if (disposition) *disposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
    *result = newHandle({parent->hive, path, writableAccess(access)});
    return ERROR_SUCCESS;
}

LONG RegOpenKeyEx(HKEY key, const QString& subKey, REGSAM access, HKEY* result) {
    const OpenKey* parent = resolve(key);
    if (!parent) return ERROR_INVALID_HANDLE;
    QJsonObject current;
    if (!walk(loadHive(parent->hive), parent->path, &current)) return ERROR_KEY_DELETED;
    QStringList path = parent->path;
    for (const QString& name : splitPath(subKey)) {
        QString stored;
        if (!findChild(current, name, &stored)) return ERROR_FILE_NOT_FOUND;
        path.append(stored);
        current = current.value(kKeys).toObject().value(stored).toObject();
    }
    *result = newHandle({parent->hive, path, writableAccess(access)});
    return ERROR_SUCCESS;
}

LONG RegCloseKey(HKEY key) {
    if (isHive(key)) return ERROR_SUCCESS;
    return openKeys().erase(key) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

LONG RegQueryValueEx(HKEY key, const QString& name, DWORD* type, QString* data) {
    const OpenKey* open = resolve(key);
    if (!open) return ERROR_INVALID_HANDLE;
    QJsonObject current;
    if (!walk(loadHive(open->hive), open->path, &current)) return ERROR_KEY_DELETED;
    const QJsonObject values = current.value(kValues).toObject();
    QString stored = storedName(values, name);
    if (stored.isEmpty() && !values.contains(name)) return ERROR_FILE_NOT_FOUND;
    if (type) *type = REG_SZ;
    if (data) *data = values.value(stored).toString();
    return ERROR_SUCCESS;
}

LONG RegSetValueEx(HKEY key, const QString& name, DWORD type, const QString& data) {
    const OpenKey* open = resolve(key);
    if (!open) return ERROR_INVALID_HANDLE;
    if (type != REG_SZ) return ERROR_INVALID_PARAMETER;
    if (!open->writable) return ERROR_ACCESS_DENIED;
    const QJsonObject root = loadHive(open->hive);
    QJsonObject current;
    if (!walk(root, open->path, &current)) return ERROR_KEY_DELETED;
    QJsonObject values = current.value(kValues).toObject();
    const QString stored = storedName(values, name);
    values[stored.isEmpty() ? name : stored] = data;
    current[kValues] = values;
    return saveHive(open->hive, replaced(root, open->path, current)) ? ERROR_SUCCESS
                                                                     : ERROR_ACCESS_DENIED;
}

LONG RegDeleteValue(HKEY key, const QString& name) {
    const OpenKey* open = resolve(key);
    if (!open) return ERROR_INVALID_HANDLE;
    if (!open->writable) return ERROR_ACCESS_DENIED;
    const QJsonObject root = loadHive(open->hive);
    QJsonObject current;
    if (!walk(root, open->path, &current)) return ERROR_KEY_DELETED;
    QJsonObject values = current.value(kValues).toObject();
    const QString stored = storedName(values, name);
    if (stored.isEmpty() && !values.contains(name)) return ERROR_FILE_NOT_FOUND;
    values.remove(stored.isEmpty() ? name : stored);
    current[kValues] = values;
    return saveHive(open->hive, replaced(root, open->path, current)) ? ERROR_SUCCESS
                                                                     : ERROR_ACCESS_DENIED;
}

LONG RegQueryInfoKey(HKEY key, DWORD* subKeys, DWORD* values) {
    const OpenKey* open = resolve(key);
    if (!open) return ERROR_INVALID_HANDLE;
    QJsonObject current;
    if (!walk(loadHive(open->hive), open->path, &current)) return ERROR_KEY_DELETED;
    if (subKeys) *subKeys = static_cast<DWORD>(current.value(kKeys).toObject().size());
    if (values) *values = static_cast<DWORD>(current.value(kValues).toObject().size());
    return ERROR_SUCCESS;
}

LONG RegDeleteKey(HKEY key, const QString& subKey) {
    const OpenKey* parent = resolve(key);
    if (!parent) return ERROR_INVALID_HANDLE;
    const QStringList names = splitPath(subKey);
    if (names.isEmpty()) return ERROR_INVALID_PARAMETER;
    const QJsonObject root = loadHive(parent->hive);
    QJsonObject current;
    if (!walk(root, parent->path, &current)) return ERROR_KEY_DELETED;
    // Resolve the stored spelling of every name on the way.
    QStringList path = parent->path;
    QJsonObject owner = current;
    QJsonObject target = current;
    for (const QString& name : names) {
        QString stored;
        if (!findChild(target, name, &stored)) return ERROR_FILE_NOT_FOUND;
        owner = target;
        path.append(stored);
        target = target.value(kKeys).toObject().value(stored).toObject();
    }
    if (!target.value(kKeys).toObject().isEmpty()) return ERROR_ACCESS_DENIED;
    QJsonObject children = owner.value(kKeys).toObject();
    children.remove(path.back());
    owner[kKeys] = children;
    path.removeLast();
    return saveHive(parent->hive, replaced(root, path, owner)) ? ERROR_SUCCESS
                                                               : ERROR_ACCESS_DENIED;
}

}  // namespace lingotab::platform
