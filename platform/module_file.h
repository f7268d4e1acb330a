#pragma once

#include <QString>

namespace lingotab::platform {

// Full path of the running executable, symbolic links resolved.
QString GetModuleFileName();

}  // namespace lingotab::platform
