#pragma once

namespace lingotab::app {

// Makes sure the window's font "Tahoma" answers by that name: when the
// system's font configuration does not know it (setup.sh links it into
// fontconfig's folders on the build machines), the Tahoma files that the
// Debian package fonts-wine installs outside those folders are added to the
// program. "Courier" is answered by the configuration's own
// alias (fonts-urw-base35). Needs the application object.
void installProgramFonts();

}  // namespace lingotab::app
