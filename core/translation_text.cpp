#include "core/translation_text.h"

#include "platform/exception.h"

#include <cstring>

namespace lingotab::core {

namespace {

// Position just past the line break at or after `from`, or -1 when the text
// ends without one.
qsizetype nextLineStart(const char* data, qsizetype size, qsizetype from) {
    for (qsizetype i = from; i < size; ++i) {
        if (data[i] == '\n') return i + 1;
        if (data[i] == '\r') return (i + 1 < size && data[i + 1] == '\n') ? i + 2 : i + 1;
    }
    return -1;
}

// Folds every line break into one LF, in place, and returns the new size.
qsizetype foldLineBreaks(char* data, qsizetype size) {
    char* out = static_cast<char*>(std::memchr(data, '\r', size));
    if (!out) return size;
    const char* in = out;
    const char* end = data + size;
    while (in < end) {
        const char* cr = static_cast<const char*>(std::memchr(in, '\r', end - in));
        const char* stop = cr ? cr : end;
        std::memmove(out, in, stop - in);
        out += stop - in;
        if (!cr) break;
        *out++ = '\n';
        in = (cr + 1 < end && cr[1] == '\n') ? cr + 2 : cr + 1;
    }
    return out - data;
}

}  // namespace

TranslationText::TranslationText(QByteArray utf8) : utf8_(std::move(utf8)) {
    const char* data = utf8_.constData();
    const qsizetype size = utf8_.size();
    const qsizetype second = nextLineStart(data, size, 0);
    if (second < 0 || second == size)
        throw Exception(QStringLiteral("List index out of bounds (1)"));

    // Keep the second line's break, drop its text; a last line without a
    // break gets one, as joining puts one after every line.
    qsizetype secondBreak = second;
    while (secondBreak < size && data[secondBreak] != '\r' && data[secondBreak] != '\n')
        ++secondBreak;
    utf8_.remove(second, secondBreak - second);
    const char last = utf8_.back();
    if (last != '\r' && last != '\n') utf8_.append('\n');
    utf8_.truncate(foldLineBreaks(utf8_.data(), utf8_.size()));
}

QString TranslationText::line(int number) const {
    const char* data = utf8_.constData();
    const qsizetype size = utf8_.size();
    qsizetype start = 0;
    for (int current = 1; current < number && start >= 0; ++current) {
        const void* lf = std::memchr(data + start, '\n', size - start);
        start = lf ? static_cast<const char*>(lf) - data + 1 : -1;
    }
    if (number < 1 || start < 0) return {};
    const void* lf = std::memchr(data + start, '\n', size - start);
    const qsizetype end = lf ? static_cast<const char*>(lf) - data : size;
    return QString::fromUtf8(data + start, end - start);
}

}  // namespace lingotab::core
