#pragma once

#include <QString>

namespace lingotab::app {

// The per-user locale value of the executable `name` (its full path) under
// "Software\Embarcadero\Locales", which the next start reads to choose its
// text set.

// Sets the value to `value`, creating the key when missing. A key that
// cannot be opened is skipped silently; a failed write after it opened
// raises lingotab::Exception "Failed to set data for '<name>'".
void WriteLocaleValue(const QString& value, const QString& name);

// Removes the value; then removes the key, and "Software\Embarcadero" after
// it, when they are left empty. Every failure is silent.
void DeleteLocaleValue(const QString& name);

}  // namespace lingotab::app
