#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

namespace lingotab::skins {

// An options text as sections of keys, both in text order. Section and key
// names are compared case-sensitively. A repeated section is kept as a
// second section (both are walked in text order), but lookups by name find
// the first; within a section the first key of a name wins.
class TacIniModel {
  public:
    struct Key {
        QString name;
        QString value;
    };
    struct Section {
        QString name;
        std::vector<Key> keys;
        const QString* value(const QString& key) const;
    };

    TacIniModel() = default;
    // Parses 8-bit text (a byte-order mark selects UTF-8 or UTF-16);
    // lines end in CR LF, LF or CR.
    static TacIniModel fromText(QByteArrayView text);
    static TacIniModel fromLines(const QStringList& lines);

    const std::vector<Section>& sections() const { return sections_; }
    const Section* section(const QString& name) const;
    // The value of the key, or null when the section or key is missing.
    const QString* value(const QString& section, const QString& key) const;
    QString readString(const QString& section, const QString& key,
                       const QString& defaultValue) const;
    // Decimal, or hexadecimal after "$" or "0x"; anything else gives the default.
    int readInteger(const QString& section, const QString& key, int defaultValue) const;

  private:
    std::vector<Section> sections_;
    QHash<QString, int> firstSection_;
};

}  // namespace lingotab::skins
