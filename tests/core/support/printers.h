#pragma once

#include "core/translation_units.h"

#include <QString>
#include <QStringList>
#include <ostream>

// Readable failure output for the types the core tests compare.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& lines, std::ostream* os) {
    for (const QString& line : lines) *os << "\n    " << line.toStdString();
}

namespace lingotab::core {
inline void PrintTo(const TTranslateString& unit, std::ostream* os) {
    *os << "{" << unit.Resource.toStdString() << " | " << unit.Source.toStdString() << " | "
        << unit.Target.toStdString() << "}";
}
}  // namespace lingotab::core
