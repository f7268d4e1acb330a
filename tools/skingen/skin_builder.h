#pragma once

#include <QString>

#include "tools/skingen/look.h"

namespace lingotab::skingen {

// Draws every picture of `look` and writes the skin's source folder: its
// options text "Options.dat", the master bitmap and the image files. Files of
// the folder that the skin no longer has are removed.
void writeSkin(const Look& look, const QString& folder);

}  // namespace lingotab::skingen
