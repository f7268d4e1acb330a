#pragma once

#include <QString>
#include <cstdint>

namespace lingotab::platform {

// A registry of keys and string values for the two hives the program uses,
// kept in one JSON file per hive: per user under the XDG configuration
// directory, machine-wide under /etc/xdg. When LINGOTAB_REGISTRY_DIR is set,
// both files live in that directory instead. Key and value names compare
// without regard to case; key paths use "\" between names. Every call reads
// the file afresh and every change rewrites it through a temporary file.
using LONG = std::int32_t;
using DWORD = std::uint32_t;
using HKEY = std::intptr_t;
using REGSAM = DWORD;

inline constexpr HKEY HKEY_CURRENT_USER = static_cast<HKEY>(0x80000001);
inline constexpr HKEY HKEY_LOCAL_MACHINE = static_cast<HKEY>(0x80000002);

inline constexpr REGSAM KEY_READ = 0x20019;
inline constexpr REGSAM KEY_ALL_ACCESS = 0xF003F;

inline constexpr DWORD REG_SZ = 1;

inline constexpr DWORD REG_CREATED_NEW_KEY = 1;
inline constexpr DWORD REG_OPENED_EXISTING_KEY = 2;

inline constexpr LONG ERROR_SUCCESS = 0;
inline constexpr LONG ERROR_FILE_NOT_FOUND = 2;
inline constexpr LONG ERROR_ACCESS_DENIED = 5;
inline constexpr LONG ERROR_INVALID_HANDLE = 6;
inline constexpr LONG ERROR_INVALID_PARAMETER = 87;
inline constexpr LONG ERROR_KEY_DELETED = 1018;

// Opens `subKey` below `key`, creating the missing keys on the way.
LONG RegCreateKeyEx(HKEY key, const QString& subKey, REGSAM access, HKEY* result,
                    DWORD* disposition = nullptr);
LONG RegOpenKeyEx(HKEY key, const QString& subKey, REGSAM access, HKEY* result);
LONG RegCloseKey(HKEY key);

// `name` empty reads or writes the key's unnamed default value.
LONG RegQueryValueEx(HKEY key, const QString& name, DWORD* type, QString* data);
LONG RegSetValueEx(HKEY key, const QString& name, DWORD type, const QString& data);
LONG RegDeleteValue(HKEY key, const QString& name);

LONG RegQueryInfoKey(HKEY key, DWORD* subKeys, DWORD* values);

// Deletes `subKey` below `key`; a key that has subkeys of its own stays
// (ERROR_ACCESS_DENIED).
LONG RegDeleteKey(HKEY key, const QString& subKey);

}  // namespace lingotab::platform
