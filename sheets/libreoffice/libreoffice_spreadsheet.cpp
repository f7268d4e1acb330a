#include "sheets/libreoffice/libreoffice_spreadsheet.h"

#include "sheets/libreoffice/calc_application.h"

namespace lingotab::sheets {

namespace {

// A window of the office could be shown: there is a display, and the
// program was not told to stay off screen.
bool displayAvailable() {
    if (qEnvironmentVariable("QT_QPA_PLATFORM") == QLatin1String("offscreen")) return false;
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

}  // namespace

bool registerLibreOfficeFor(SpreadsheetChoice choice) {
    if (choice == SpreadsheetChoice::Embedded || !calc::calcInstalled()) return false;
    const calc::OfficeOptions options = calc::officeOptionsFromEnvironment();
    if (choice == SpreadsheetChoice::Auto && !calc::officeListening(options) && !options.headless &&
        !displayAvailable())
        return false;
    calc::registerCalcApplication(options);
    return true;
}

}  // namespace lingotab::sheets
