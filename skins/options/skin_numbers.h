#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace lingotab::skins {

// The lenient integer of options values: decimal, or hexadecimal after "$"
// or "0x", within 32 bits; nullopt for anything else.
std::optional<int> readIntegerValue(QStringView text);

// The strict number of options values: a decimal integer within 32 bits
// (optional sign), else lingotab::Exception
// "''<text>'' is not a valid integer value", which aborts the skin load.
int strictInteger(QStringView text);

// A decimal number with "." as separator, whatever the locale; nullopt when
// unreadable.
std::optional<double> readDecimal(QStringView text);

}  // namespace lingotab::skins
