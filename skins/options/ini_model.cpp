#include "skins/options/ini_model.h"

#include "skins/options/skin_numbers.h"

#include <QStringDecoder>

namespace lingotab::skins {

namespace {

QString decodeText(QByteArrayView text) {
    if (const auto encoding = QStringConverter::encodingForData(text)) {
        QStringDecoder decoder(*encoding);
        return decoder.decode(text);
    }
    // 8-bit text: Latin-1 keeps every byte.
    return QString::fromLatin1(text);
}

}  // namespace

const QString* TacIniModel::Section::value(const QString& key) const {
    for (const Key& entry : keys) {
        if (entry.name == key) return &entry.value;
    }
    return nullptr;
}

TacIniModel TacIniModel::fromText(QByteArrayView text) {
    const QString decoded = decodeText(text);
    QStringList lines;
    for (QStringView line : QStringTokenizer(decoded, u'\n')) {
        // CR LF and lone CR both end a line.
        for (QStringView part : QStringTokenizer(line, u'\r')) lines.append(part.toString());
    }
    return fromLines(lines);
}

TacIniModel TacIniModel::fromLines(const QStringList& lines) {
    TacIniModel model;
    Section* current = nullptr;
    for (const QString& raw : lines) {
        const QStringView line = QStringView(raw).trimmed();
        if (line.isEmpty() || line.startsWith(u';')) continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            const QString name = line.sliced(1, line.size() - 2).trimmed().toString();
            if (!model.firstSection_.contains(name))
                model.firstSection_.insert(name, static_cast<int>(model.sections_.size()));
            model.sections_.push_back({name, {}});
            current = &model.sections_.back();
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!current || equals < 0) continue;
        current->keys.push_back({line.first(equals).trimmed().toString(),
                                 line.sliced(equals + 1).trimmed().toString()});
    }
    return model;
}

const TacIniModel::Section* TacIniModel::section(const QString& name) const {
    const auto found = firstSection_.constFind(name);
    return found == firstSection_.constEnd() ? nullptr : &sections_[*found];
}

const QString* TacIniModel::value(const QString& section, const QString& key) const {
    const Section* found = this->section(section);
    return found ? found->value(key) : nullptr;
}

QString TacIniModel::readString(const QString& section, const QString& key,
                                const QString& defaultValue) const {
    const QString* found = value(section, key);
    return found ? *found : defaultValue;
}

int TacIniModel::readInteger(const QString& section, const QString& key, int defaultValue) const {
    const QString* found = value(section, key);
    return found ? readIntegerValue(*found).value_or(defaultValue) : defaultValue;
}

}  // namespace lingotab::skins
