#pragma once

#include <QImage>

#include "hints/templates/hint_image.h"

namespace lingotab::hints {

// Lays a template picture over the whole of `target` (32-bit ARGB) in nine
// parts cut at its BordersWidths: corners unscaled, the four strips and the
// centre tiled from their inner corner (the last tile cut) or stretched
// smoothly, by the picture's BorderDrawModes. All four channels are copied.
void drawNinePart(QImage& target, const TacHintImage& picture);

}  // namespace lingotab::hints
