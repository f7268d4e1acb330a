#pragma once

#include <QColor>
#include <QString>

namespace lingotab::hints {

// The colour of a font tag's COLOR value (already upper case): "#" and
// hexadecimal digits, one of the sixteen colour names, or bare hexadecimal
// with an optional trailing "H". Anything unreadable is black.
QColor markupColor(const QString& value);

}  // namespace lingotab::hints
