#include "sheets/libreoffice/calc_application.h"

#include "platform/automation/com.h"
#include "sheets/libreoffice/calc_objects.h"
#include "sheets/libreoffice/office_connection.h"

#include <QFileInfo>
#include <QUrl>

namespace lingotab::sheets::calc {

namespace {

using namespace automation;

const CLSID kCalcClassId{QStringLiteral("{6f1d3c52-8a0e-4b7e-9a51-2c4e0d7b93a1}")};

// Office exceptions on the way in (a broken bootstrap, a refused
// connection) mean the same as no office.
HRESULT applicationFor(const std::function<Reference<css::frame::XDesktop2>()>& connect,
                       HRESULT failure, DispatchPtr& out) {
    try {
        const auto desktop = connect();
        if (!desktop.is()) return failure;
        out = std::make_shared<CalcApplication>(desktop);
        return S_OK;
    } catch (const css::uno::Exception&) {
        return failure;
    }
}

}  // namespace

OfficeOptions officeOptionsFromEnvironment() {
    OfficeOptions options;
    options.pipeName = qEnvironmentVariable("LINGOTAB_OFFICE_PIPE", QStringLiteral("lingotab"));
    options.headless = qEnvironmentVariable("LINGOTAB_OFFICE_HEADLESS") == QLatin1String("1");
    const QString profile = qEnvironmentVariable("LINGOTAB_OFFICE_PROFILE");
    if (!profile.isEmpty())
        options.profileUrl =
            profile.startsWith(QLatin1String("file:"))
                ? profile
                : QUrl::fromLocalFile(QFileInfo(profile).absoluteFilePath()).toString();
    return options;
}

bool calcInstalled() {
    return QFileInfo::exists(QStringLiteral(LINGOTAB_OFFICE_PROGRAM_DIR "/soffice")) &&
           QFileInfo::exists(QStringLiteral(LINGOTAB_OFFICE_PROGRAM_DIR "/libsclo.so"));
}

bool officeListening(const OfficeOptions& options) {
    try {
        return OfficeConnection::instance().attach(options.pipeName).is();
    } catch (const css::uno::Exception&) {
        return false;
    }
}

void registerCalcApplication(const OfficeOptions& options) {
    registerClass({
        QStringLiteral("Excel.Application"),
        kCalcClassId,
        [options](DispatchPtr& out) {
            return applicationFor(
                [&] { return OfficeConnection::instance().attach(options.pipeName); },
                MK_E_UNAVAILABLE, out);
        },
        [options](DispatchPtr& out) {
            return applicationFor([&] { return OfficeConnection::instance().start(options); },
                                  CO_E_SERVER_EXEC_FAILURE, out);
        },
    });
}

}  // namespace lingotab::sheets::calc
