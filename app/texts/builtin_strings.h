#pragma once

#include "core/string_ids.h"

#include <QString>

namespace lingotab::app {

// The built-in (Russian) text of a string-table entry (see StringId); empty
// for an unknown id.
QString builtinString(int id);

}  // namespace lingotab::app
