#pragma once

#include <QString>
#include <optional>

namespace lingotab::app {

// The text of a read-me file, its encoding recognised by the byte-order mark
// (UTF-8, UTF-16 little-endian, UTF-16 big-endian); without one, the
// locale's encoding. nullopt when the file cannot be read.
std::optional<QString> ReadTextFile(const QString& fileName);

// "ReadMe!." followed by a language code.
inline QString readMeFileName(const QString& languageCode) {
    return QStringLiteral("ReadMe!.") + languageCode;
}

}  // namespace lingotab::app
