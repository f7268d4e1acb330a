#include "platform/resource_module.h"

#include <QFile>
#include <QStringDecoder>

namespace lingotab::platform {

namespace {

const QString kSignature = QStringLiteral("LINGOTAB RESOURCE MODULE 1");
const QString kStringTable = QStringLiteral("STRINGTABLE");
constexpr qint64 kMaxModuleSize = 16 * 1024 * 1024;
constexpr int kMaxStringLength = 4095;

std::optional<QString> unescape(QStringView text) {
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\') {
            result += text[i];
            continue;
        }
        if (++i == text.size()) return std::nullopt;
        switch (text[i].unicode()) {
            case u'\\':
                result += u'\\';
                break;
            case u'n':
                result += u'\n';
                break;
            case u'r':
                result += u'\r';
                break;
            case u't':
                result += u'\t';
                break;
            case u's':
                result += u' ';
                break;
            default:
                return std::nullopt;
        }
    }
    return result;
}

}  // namespace

std::optional<ResourceModule> ResourceModule::load(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxModuleSize) return std::nullopt;
    return parse(file.readAll());
}

std::optional<ResourceModule> ResourceModule::parse(QByteArrayView bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) return std::nullopt;
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);

    ResourceModule module;
    const QStringList lines = text.split(u'\n');
    if (lines.isEmpty() || QStringView(lines.front()).trimmed() != kSignature) return std::nullopt;

    enum { kNone, kStrings, kResource } section = kNone;
    Properties* resource = nullptr;
    for (qsizetype n = 1; n < lines.size(); ++n) {
        QStringView line = lines[n];
        if (line.endsWith(u'\r')) line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(u';')) continue;
        if (line.startsWith(u'[')) {
            if (!line.endsWith(u']') || line.size() < 3) return std::nullopt;
            const QString name = line.mid(1, line.size() - 2).toString();
            if (name == kStringTable) {
                section = kStrings;
            } else {
                section = kResource;
                resource = &module.resources_[name];
            }
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0 || section == kNone) return std::nullopt;
        const std::optional<QString> value = unescape(line.mid(equals + 1));
        if (!value) return std::nullopt;
        const QStringView name = line.left(equals);
        if (section == kStrings) {
            bool ok = false;
            const int id = name.toInt(&ok);
            if (!ok || id < 0 || id > 0xFFFF) return std::nullopt;
            module.strings_.insert(id, *value);
        } else {
            resource->insert(name.toString(), *value);
        }
    }
    return module;
}

QString ResourceModule::LoadString(int id) const {
    return strings_.value(id).left(kMaxStringLength);
}

const ResourceModule::Properties* ResourceModule::FindResource(const QString& name) const {
    const auto it = resources_.constFind(name);
    return it == resources_.constEnd() ? nullptr : &it.value();
}

}  // namespace lingotab::platform
