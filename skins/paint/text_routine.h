#pragma once

// Captions, focus frames and the disabled look of skinned controls.

#include "skins/options/skin_content.h"
#include "skins/paint/cache_info.h"

#include <QImage>
#include <QPainter>
#include <QRect>

namespace lingotab::skins {

// Draws `text` into `rect` (clipped to it, clear brush) with `flags`
// (Qt::AlignmentFlag | Qt::TextFlag) in the colours of section `S` for the
// state (1 when `hot`): disabled in the section's normal font colour mixed
// 40 % with the skin's global colour, enabled with its outline colours
// (left, top, right, bottom, one pixel out) and then its text colour.
// Without a section (S < 0) the painter's own pen is used.
void WriteTextEx(QPainter& painter, const QString& text, bool enabled, bool hot,
                 const TacSkinContent* skin, int S, int flags, const QRect& rect);

// The dotted focus frame: along each edge of `r` every third pixel in `b`
// and the pixel before it in `a`.
void DrawFocusRect(QImage& image, const QRect& r, TColor a, TColor b);

// The disabled look: 40 % own image and 60 % the parent's image under it
// where that is known, else half and half with the parent's plain colour.
void ApplyDisabledLook(QImage& image, const TCacheInfo& parent, QPoint parentPos);

}  // namespace lingotab::skins
