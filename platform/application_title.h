#pragma once

#include <QString>

namespace lingotab::platform {

// The title of message boxes: the executable's file name up to its first
// full stop, every character after the first in lower case.
QString applicationTitle(const QString& exeName);
// The title for the running executable.
QString ApplicationTitle();

}  // namespace lingotab::platform
