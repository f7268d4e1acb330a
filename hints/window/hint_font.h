#pragma once

#include "hints/markup/hint_canvas.h"

namespace lingotab::hints {

// The font of skinned hints: the desktop's tooltip font.
HintFont platformHintFont();

// The application's default font (that of a new template).
HintFont platformDefaultFont();

}  // namespace lingotab::hints
