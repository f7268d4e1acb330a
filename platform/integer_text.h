#pragma once

#include <QStringView>
#include <cstdint>
#include <optional>

namespace lingotab::platform {

// Reads a 32-bit signed integer written the way the settings file and the
// spin box accept it: optional leading blanks, an optional "+" or "-", then
// decimal digits, or hexadecimal digits (either case) after one of the
// prefixes "$", "x", "X", "0x", "0X". Nothing may follow the digits.
// A decimal number must lie in the 32-bit signed range; a hexadecimal one
// may have at most eight significant digits and is taken as a 32-bit
// pattern ("$FFFFFFFF" is -1). Anything else gives no value.
std::optional<std::int32_t> parseInteger(QStringView text);

}  // namespace lingotab::platform
