#pragma once

#include "platform/automation/dispatch.h"

#include <QString>

namespace lingotab::core {

// Whether the system knows the programmatic identifier; whether its server
// can be started is not tested.
bool IsProgIDRegistered(const QString& progId);

// Whether one of the workbook's worksheets bears exactly `name` (ordinal,
// case-sensitive). Reads the name of every worksheet, also after a match.
bool SheetNameExists(const automation::DispatchPtr& workbook, const QString& name);

}  // namespace lingotab::core
