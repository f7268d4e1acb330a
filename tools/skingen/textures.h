#pragma once

#include <QImage>

#include "tools/skingen/look.h"

namespace lingotab::skingen {

// Draws a texture tile of `texture.size` from its base and ink colours. Tiles
// repeat seamlessly; an overlay tile is transparent where it shows nothing.
QImage drawPattern(const Texture& texture);

}  // namespace lingotab::skingen
