#pragma once

#include "hints/markup/hint_canvas.h"

namespace lingotab::hints {

// The font of skinned hints: the desktop's tooltip font.
HintFont platformHintFont();

}  // namespace lingotab::hints
