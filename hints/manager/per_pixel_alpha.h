#pragma once

#include <QString>

namespace lingotab::hints {

// Whether top-level windows can be translucent pixel by pixel on `platform`
// (a Qt platform plugin name). On X11 that needs a running compositing
// manager, which `compositorRunning` reports; the offscreen, Wayland,
// Windows and macOS platforms always can; others cannot.
bool perPixelAlphaOn(const QString& platform, bool compositorRunning);

// The answer for the running application.
bool hasPerPixelAlpha();

}  // namespace lingotab::hints
