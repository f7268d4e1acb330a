#include "platform/integer_text.h"

namespace lingotab::platform {

namespace {

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') return u - u'0';
    if (u >= u'a' && u <= u'f') return u - u'a' + 10;
    if (u >= u'A' && u <= u'F') return u - u'A' + 10;
    return -1;
}

}  // namespace

std::optional<std::int32_t> parseInteger(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ') ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    bool hex = false;
    if (i < n && (text[i] == u'$' || text[i] == u'x' || text[i] == u'X')) {
        hex = true;
        ++i;
    } else if (i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        hex = true;
        i += 2;
    }
    if (i == n) return std::nullopt;  // no digits at all

    if (hex) {
        std::uint32_t pattern = 0;
        int significant = 0;
        for (; i < n; ++i) {
            const int digit = hexDigit(text[i]);
            if (digit < 0) return std::nullopt;
            if (significant > 0 || digit != 0) ++significant;
            if (significant > 8) return std::nullopt;
            pattern = (pattern << 4) | static_cast<std::uint32_t>(digit);
        }
        // Negation of a 32-bit pattern wraps, as the machine arithmetic does.
        if (negative) pattern = 0u - pattern;
        return static_cast<std::int32_t>(pattern);
    }

    std::int64_t value = 0;
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    for (; i < n; ++i) {
        const char16_t u = text[i].unicode();
        if (u < u'0' || u > u'9') return std::nullopt;
        value = value * 10 + (u - u'0');
        if (value > limit) return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

}  // namespace lingotab::platform
