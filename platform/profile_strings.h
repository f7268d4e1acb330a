#pragma once

#include <QString>

namespace lingotab::platform {

// Profile strings: the plain INI text format of "[Section]" lines followed by
// "Key=Value" lines. Section and key names compare without regard to case,
// blanks around names and values do not count, and a value enclosed in a
// pair of single or double quotes is read without them. Lines starting with
// ";" are comments. The file is UTF-8 (a byte-order mark is allowed).

// The value of `key` in `section`, cut to `size` - 1 characters (the read
// buffer holds `size` characters with the terminator); `defaultValue` when the
// file, the section or the key is missing. A key that is present with an
// empty value gives the empty text.
QString GetPrivateProfileString(const QString& section, const QString& key,
                                const QString& defaultValue, int size, const QString& fileName);

// Sets `key` in `section` to `value`, creating the file, the section and the
// key when they are missing. Every other line of the file keeps its bytes.
// The new content goes to a temporary file that then replaces the old one,
// so a failed write leaves the file as it was. Line breaks inside `value`
// would split it into lines of their own and are written as blanks.
// Returns false when the file cannot be written.
bool WritePrivateProfileString(const QString& section, const QString& key, const QString& value,
                               const QString& fileName);

}  // namespace lingotab::platform
