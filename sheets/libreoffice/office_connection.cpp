#include "sheets/libreoffice/office_connection.h"

#include "sheets/libreoffice/office_process.h"
#include "sheets/libreoffice/uno_text.h"

#include <com/sun/star/bridge/UnoUrlResolver.hpp>
#include <com/sun/star/connection/NoConnectException.hpp>
#include <com/sun/star/frame/Desktop.hpp>
#include <cppuhelper/bootstrap.hxx>
#include <rtl/bootstrap.hxx>

#include <QDeadlineTimer>
#include <QThread>

namespace lingotab::sheets::calc {

namespace {

QString connectionUrl(const QString& pipe) {
    return QStringLiteral("uno:pipe,name=%1;urp;StarOffice.ComponentContext").arg(pipe);
}

}  // namespace

OfficeConnection& OfficeConnection::instance() {
    // Never destroyed: the UNO runtime may already be gone when static
    // objects are torn down at exit.
    static OfficeConnection* connection = new OfficeConnection;
    return *connection;
}

Reference<css::uno::XComponentContext> OfficeConnection::localContext() {
    if (!local_.is()) {
        // The office's own bootstrap file names the type and service
        // registries that the bridge needs on our side.
        rtl::Bootstrap::set(
            OUString("URE_BOOTSTRAP"),
            OUString("vnd.sun.star.pathname:" LINGOTAB_OFFICE_PROGRAM_DIR "/fundamentalrc"));
        local_ = cppu::defaultBootstrap_InitialComponentContext();
    }
    return local_;
}

Reference<css::frame::XDesktop2> OfficeConnection::attach(const QString& pipe) {
    if (desktop_.is() && pipe_ == pipe) {
        try {
            remote_->getServiceManager();  // one round trip: is the office still there?
            return desktop_;
        } catch (const css::uno::RuntimeException&) {
        }
    }
    forget();
    try {
        const auto resolver = css::bridge::UnoUrlResolver::create(localContext());
        Reference<css::uno::XComponentContext> remote(resolver->resolve(toUno(connectionUrl(pipe))),
                                                      css::uno::UNO_QUERY_THROW);
        desktop_ = css::frame::Desktop::create(remote);
        remote_ = remote;
        pipe_ = pipe;
    } catch (const css::connection::NoConnectException&) {
        return {};
    }
    return desktop_;
}

Reference<css::frame::XDesktop2> OfficeConnection::start(const OfficeOptions& options) {
    QStringList arguments{
        QStringLiteral("--accept=pipe,name=%1;urp;StarOffice.ComponentContext")
            .arg(options.pipeName),
        QStringLiteral("--norestore"), QStringLiteral("--nologo"),
        // No start centre: the office shows the workbook we add, nothing before it.
        QStringLiteral("--nodefault")};
    if (options.headless) arguments << QStringLiteral("--headless");
    if (!options.profileUrl.isEmpty())
        arguments << QStringLiteral("-env:UserInstallation=%1").arg(options.profileUrl);
    const pid_t process =
        startOfficeProcess(QStringLiteral(LINGOTAB_OFFICE_PROGRAM_DIR "/soffice"), arguments);
    if (process < 0) return {};
    if (options.started) options.started(process);

    // A process that ends with success handed the arguments over to an
    // office already running on the same profile, which then accepts.
    bool running = true;
    QDeadlineTimer deadline(options.startTimeoutMs);
    for (int attempt = 0;; ++attempt) {
        if (auto desktop = attach(options.pipeName); desktop.is()) return desktop;
        if (running) {
            const ProcessState state = pollOfficeProcess(process);
            if (state == ProcessState::Failed) return {};
            running = state == ProcessState::Running;
        }
        if (deadline.hasExpired()) return {};
        QThread::msleep(attempt < 10 ? 50 : 200);
    }
}

void OfficeConnection::forget() {
    desktop_.clear();
    remote_.clear();
    pipe_.clear();
}

}  // namespace lingotab::sheets::calc
