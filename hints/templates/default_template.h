#pragma once

#include <QImage>

#include "hints/templates/hint_template.h"

namespace lingotab::hints {

// The built-in 32 x 32 hint picture: a pale yellow rounded rectangle with a
// dark olive outline from (3, 3) to (22, 22) and a soft black shadow falling
// to the lower right.
QImage achintPicture();

// The template of unskinned hints when the manager selects none: the
// built-in picture cut at 7, 7, 15, 15 (left, top, right, bottom), text
// margins 11, 7, 15, 14, everything stretched, the platform's default font.
// Made on first use, it lives to the end of the process.
TacHintTemplate& DefaultHintTemplate();

}  // namespace lingotab::hints
