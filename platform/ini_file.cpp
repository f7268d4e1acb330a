#include "platform/ini_file.h"

#include "platform/exception.h"
#include "platform/integer_text.h"
#include "platform/profile_strings.h"

#include <QFileInfo>

namespace lingotab::platform {

namespace {
constexpr int kReadBufferSize = 2048;
}

QString TIniFile::ReadString(const QString& section, const QString& key,
                             const QString& defaultValue) const {
    return GetPrivateProfileString(section, key, defaultValue, kReadBufferSize, fileName_);
}

std::int32_t TIniFile::ReadInteger(const QString& section, const QString& key,
                                   std::int32_t defaultValue) const {
    return parseInteger(ReadString(section, key, QString())).value_or(defaultValue);
}

bool TIniFile::ReadBool(const QString& section, const QString& key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value) const {
    if (!WritePrivateProfileString(section, key, value, fileName_))
        throw Exception(
            QStringLiteral("Unable to write to %1").arg(QFileInfo(fileName_).absoluteFilePath()));
}

void TIniFile::WriteInteger(const QString& section, const QString& key, std::int32_t value) const {
    WriteString(section, key, QString::number(value));
}

void TIniFile::WriteBool(const QString& section, const QString& key, bool value) const {
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

}  // namespace lingotab::platform
