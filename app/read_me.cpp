#include "app/read_me.h"

#include <QFile>
#include <QStringDecoder>

namespace lingotab::app {

namespace {
// A read-me is a page of text; anything larger is not one.
constexpr qint64 kMaxReadMeSize = 4 * 1024 * 1024;
}  // namespace

std::optional<QString> ReadTextFile(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxReadMeSize) return std::nullopt;
    const QByteArray bytes = file.read(kMaxReadMeSize);
    QByteArrayView content(bytes);
    QStringDecoder::Encoding encoding = QStringDecoder::System;
    if (content.startsWith("\xEF\xBB\xBF")) {
        encoding = QStringDecoder::Utf8;
        content = content.sliced(3);
    } else if (content.startsWith("\xFF\xFE")) {
        encoding = QStringDecoder::Utf16LE;
        content = content.sliced(2);
    } else if (content.startsWith("\xFE\xFF")) {
        encoding = QStringDecoder::Utf16BE;
        content = content.sliced(2);
    }
    QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
    return QString(decoder.decode(content));
}

}  // namespace lingotab::app
