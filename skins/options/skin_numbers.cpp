#include "skins/options/skin_numbers.h"

#include "platform/exception.h"

#include <QLocale>

namespace lingotab::skins {

namespace {

std::optional<int> parseDigits(QStringView text, int base) {
    bool negative = false;
    if (!text.isEmpty() && (text.front() == u'-' || text.front() == u'+')) {
        negative = text.front() == u'-';
        text = text.sliced(1);
    }
    if (text.isEmpty()) return std::nullopt;
    qint64 value = 0;
    for (QChar c : text) {
        const int digit = c.isDigit()                  ? c.digitValue()
                          : base == 16 && c.isLetter() ? c.toLower().unicode() - 'a' + 10
                                                       : -1;
        if (digit < 0 || digit >= base || c.unicode() > 127) return std::nullopt;
        value = value * base + digit;
        if (value > 0xFFFFFFFFll) return std::nullopt;
    }
    if (negative) value = -value;
    // Hexadecimal texts may spell negative values as their 32-bit pattern.
    if (base == 16 && value > INT32_MAX) value -= 0x100000000ll;
    if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return static_cast<int>(value);
}

}  // namespace

std::optional<int> readIntegerValue(QStringView text) {
    text = text.trimmed();
    if (text.startsWith(u'$')) return parseDigits(text.sliced(1), 16);
    if (text.startsWith(u"0x", Qt::CaseInsensitive)) return parseDigits(text.sliced(2), 16);
    return parseDigits(text, 10);
}

int strictInteger(QStringView text) {
    if (const auto value = parseDigits(text, 10)) return *value;
    throw Exception(QStringLiteral("''%1'' is not a valid integer value").arg(text));
}

std::optional<double> readDecimal(QStringView text) {
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

}  // namespace lingotab::skins
