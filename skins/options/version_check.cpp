#include "skins/manager/skin_messages.h"
#include "skins/options/options_loader.h"

#include <QCoreApplication>

namespace lingotab::skins {

namespace {

bool testSwitchGiven() {
    if (!QCoreApplication::instance()) return false;
    const QStringList arguments = QCoreApplication::arguments();
    return std::any_of(
        arguments.begin() + std::min<qsizetype>(1, arguments.size()), arguments.end(),
        [](const QString& argument) { return argument.toLower() == QLatin1String("/actest"); });
}

}  // namespace

void CheckVersion(double version, const QString& skinName) {
    if (version > 7.99) {
        showSkinMessage(
            QStringLiteral("This version of the skin have not complete support by used skin engine "
                           "release.\r\nComponents must be updated up to latest version for using "
                           "this skin."));
    } else if (version < 7 && testSwitchGiven()) {
        showSkinMessage(
            QStringLiteral("You are using an old version of the \"") + skinName +
            QStringLiteral(
                "\" skin. Please, update a skins to latest or link with the skin engine "
                "support for upgrading of existing skin.\r\n\r\nThis notification occurs "
                "in design-time only for your information and will not occur in "
                "real-time."));
    }
}

}  // namespace lingotab::skins
