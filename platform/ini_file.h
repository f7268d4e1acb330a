#pragma once

#include <QString>
#include <cstdint>

namespace lingotab::platform {

// A settings file read and written through the profile-string functions,
// with the integer and boolean encodings of the program's settings. Nothing
// is cached: every call reads or rewrites the file.
class TIniFile {
  public:
    explicit TIniFile(QString fileName) : fileName_(std::move(fileName)) {}

    const QString& fileName() const { return fileName_; }

    // At most 2047 characters; `defaultValue` when the key is absent.
    QString ReadString(const QString& section, const QString& key,
                       const QString& defaultValue) const;
    // The integer rule of parseInteger() (which reads "0x10" as "$10" does);
    // `defaultValue` for an empty or malformed value.
    std::int32_t ReadInteger(const QString& section, const QString& key,
                             std::int32_t defaultValue) const;
    // An integer: 0 is false, any other number true; `defaultValue` when the
    // value is no integer (so "true" and "no" give the default).
    bool ReadBool(const QString& section, const QString& key, bool defaultValue) const;

    // Raise lingotab::Exception "Unable to write to <full path>" on failure.
    void WriteString(const QString& section, const QString& key, const QString& value) const;
    void WriteInteger(const QString& section, const QString& key, std::int32_t value) const;
    void WriteBool(const QString& section, const QString& key, bool value) const;

  private:
    QString fileName_;
};

}  // namespace lingotab::platform
