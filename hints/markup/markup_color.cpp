#include "hints/markup/markup_color.h"

#include <array>
#include <cstdint>

namespace lingotab::hints {
namespace {

struct NamedColor {
    const char* name;
    QRgb rgb;
};

constexpr std::array<NamedColor, 16> kNamedColors{{
    {"AQUA", 0x00FFFF},
    {"BLACK", 0x000000},
    {"BLUE", 0x0000FF},
    {"FUCHSIA", 0xFF00FF},
    {"GRAY", 0x808080},
    {"GREEN", 0x008000},
    {"LIME", 0x00FF00},
    {"MAROON", 0x800000},
    {"NAVY", 0x000080},
    {"OLIVE", 0x808000},
    {"PURPLE", 0x800080},
    {"RED", 0xFF0000},
    {"SILVER", 0xC0C0C0},
    {"TEAL", 0x008080},
    {"WHITE", 0xFFFFFF},
    {"YELLOW", 0xFFFF00},
}};

// Digits accumulate in 32 bits, wrapping as they would in a 32-bit register;
// any character that is not a hexadecimal digit makes the whole value 0.
std::uint32_t hexValue(QString digits) {
    digits = digits.toUpper();
    if (digits.endsWith(QLatin1Char('H'))) digits.chop(1);
    std::uint32_t value = 0;
    for (const QChar c : digits) {
        const char16_t u = c.unicode();
        std::uint32_t digit;
        if (u >= '0' && u <= '9') {
            digit = u - '0';
        } else if (u >= 'A' && u <= 'F') {
            digit = u - 'A' + 10;
        } else {
            return 0;
        }
        value = value * 16 + digit;
    }
    return value;
}

QColor fromValue(std::uint32_t v) {
    // HTML order: RRGGBB. Longer values keep only the low byte of each
    // channel, so eight digits never give a channel above 255.
    return QColor((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

}  // namespace

QColor markupColor(const QString& value) {
    if (value.startsWith(QLatin1Char('#'))) return fromValue(hexValue(value.mid(1)));
    for (const NamedColor& named : kNamedColors) {
        if (value == QLatin1String(named.name)) return QColor::fromRgb(named.rgb);
    }
    return fromValue(hexValue(value));
}

}  // namespace lingotab::hints
