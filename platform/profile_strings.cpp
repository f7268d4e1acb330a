#include "platform/profile_strings.h"

#include <QFile>
#include <QSaveFile>
#include <optional>
#include <vector>

namespace lingotab::platform {

namespace {

// One line of the file: its bytes as stored (without the line end) and what
// it means to the profile functions.
struct Line {
    QByteArray raw;
    enum Kind { kOther, kSection, kKey } kind = kOther;
    QString name;   // section or key name, trimmed
    QString value;  // key value, trimmed, quotes still on
};

struct Document {
    QByteArray bom;
    QByteArray lineEnd = "\n";
    bool endsWithLineEnd = true;
    std::vector<Line> lines;
};

Line parseLine(const QByteArray& raw) {
    Line line;
    line.raw = raw;
    const QString text = QString::fromUtf8(raw).trimmed();
    if (text.startsWith(u'[')) {
        const qsizetype close = text.indexOf(u']');
        line.kind = Line::kSection;
        line.name = text.mid(1, close < 0 ? -1 : close - 1).trimmed();
        return line;
    }
    if (text.startsWith(u';')) return line;
    const qsizetype equals = text.indexOf(u'=');
    if (equals <= 0) return line;
    line.kind = Line::kKey;
    line.name = text.left(equals).trimmed();
    line.value = text.mid(equals + 1).trimmed();
    return line;
}

// Reads the file; nullopt when it does not exist or cannot be read.
std::optional<Document> readDocument(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray bytes = file.readAll();
    Document document;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        document.bom = bytes.left(3);
        bytes.remove(0, 3);
    }
    const qsizetype firstLf = bytes.indexOf('\n');
    if (firstLf > 0 && bytes[firstLf - 1] == '\r') document.lineEnd = "\r\n";
    document.endsWithLineEnd = bytes.isEmpty() || bytes.endsWith('\n');
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0) end = bytes.size();
        QByteArray raw = bytes.mid(start, end - start);
        if (raw.endsWith('\r')) raw.chop(1);
        document.lines.push_back(parseLine(raw));
        start = end + 1;
    }
    return document;
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Index of the first section line named `section`, or -1.
qsizetype findSection(const Document& document, const QString& section) {
    for (size_t i = 0; i < document.lines.size(); ++i)
        if (document.lines[i].kind == Line::kSection && sameName(document.lines[i].name, section))
            return static_cast<qsizetype>(i);
    return -1;
}

// Index one past the last line of the section that starts at `sectionLine`.
qsizetype sectionEnd(const Document& document, qsizetype sectionLine) {
    qsizetype i = sectionLine + 1;
    while (i < static_cast<qsizetype>(document.lines.size()) &&
           document.lines[i].kind != Line::kSection)
        ++i;
    return i;
}

qsizetype findKey(const Document& document, qsizetype sectionLine, const QString& key) {
    const qsizetype end = sectionEnd(document, sectionLine);
    for (qsizetype i = sectionLine + 1; i < end; ++i)
        if (document.lines[i].kind == Line::kKey && sameName(document.lines[i].name, key)) return i;
    return -1;
}

QString unquoted(const QString& value) {
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
        value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

Line keyLine(const QString& key, const QString& value) {
    QString flat = value;
    flat.replace(u'\r', u' ').replace(u'\n', u' ');
    return parseLine((key + u'=' + flat).toUtf8());
}

}  // namespace

QString GetPrivateProfileString(const QString& section, const QString& key,
                                const QString& defaultValue, int size, const QString& fileName) {
    const int room = size > 0 ? size - 1 : 0;
    const std::optional<Document> document = readDocument(fileName);
    if (!document) return defaultValue.left(room);
    const qsizetype sectionLine = findSection(*document, section);
    if (sectionLine < 0) return defaultValue.left(room);
    const qsizetype keyIndex = findKey(*document, sectionLine, key);
    if (keyIndex < 0) return defaultValue.left(room);
    return unquoted(document->lines[keyIndex].value).left(room);
}

bool WritePrivateProfileString(const QString& section, const QString& key, const QString& value,
                               const QString& fileName) {
    Document document = readDocument(fileName).value_or(Document{});
    const qsizetype sectionLine = findSection(document, section);
    if (sectionLine < 0) {
        if (!document.lines.empty() && !document.lines.back().raw.trimmed().isEmpty())
            document.lines.push_back(parseLine({}));
        document.lines.push_back(parseLine(('[' + section + ']').toUtf8()));
        document.lines.push_back(keyLine(key, value));
    } else if (const qsizetype keyIndex = findKey(document, sectionLine, key); keyIndex >= 0) {
        // The stored spelling of the key name stays.
        document.lines[keyIndex] = keyLine(document.lines[keyIndex].name, value);
    } else {
        // After the section's last non-blank line, before blank separators.
        qsizetype at = sectionEnd(document, sectionLine);
        while (at > sectionLine + 1 && document.lines[at - 1].raw.trimmed().isEmpty()) --at;
        document.lines.insert(document.lines.begin() + at, keyLine(key, value));
    }

    // A file that lacked its last line end gets one only between lines.
    QByteArray bytes = document.bom;
    for (size_t i = 0; i < document.lines.size(); ++i) {
        bytes += document.lines[i].raw;
        if (i + 1 < document.lines.size() || document.endsWithLineEnd) bytes += document.lineEnd;
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace lingotab::platform
