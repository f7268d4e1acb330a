#include "sheets/libreoffice/support/test_office.h"

#include "platform/automation/com.h"
#include "sheets/libreoffice/office_connection.h"
#include "sheets/libreoffice/office_process.h"
#include "sheets/libreoffice/uno_text.h"

#include <com/sun/star/container/XEnumeration.hpp>
#include <com/sun/star/container/XEnumerationAccess.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/container/XNamed.hpp>
#include <com/sun/star/frame/XComponentLoader.hpp>
#include <com/sun/star/util/XCloseable.hpp>

#include <QDir>
#include <QElapsedTimer>
#include <QUrl>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>

namespace lingotab::test {

using css::uno::Reference;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;
using sheets::calc::toUno;

TestOffice& TestOffice::instance() {
    static TestOffice* office = new TestOffice;
    return *office;
}

// The watchdog is forked first, before the office or any UNO thread exists.
// It learns the office's process group through its pipe and ends that group
// when the pipe closes: at stop(), or when this process dies in any way.
TestOffice::TestOffice() {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) return;
    const pid_t child = fork();
    if (child == 0) {
        close(fds[1]);
        pid_t group = 0;
        const ssize_t got = read(fds[0], &group, sizeof group);
        char byte;
        while (read(fds[0], &byte, 1) > 0) {
        }
        if (got == static_cast<ssize_t>(sizeof group) && group > 1) kill(-group, SIGKILL);
        _exit(0);
    }
    close(fds[0]);
    if (child < 0) {
        close(fds[1]);
        return;
    }
    watchdog_ = child;
    watchdogPipe_ = fds[1];
}

bool TestOffice::start() {
    if (started_) return true;
    if (!skipReason_.isEmpty()) return false;
    if (!sheets::calc::calcInstalled()) {
        skipReason_ = QStringLiteral(
            "LibreOffice Calc is not installed (libreoffice-calc libreoffice-dev): the Calc back "
            "end is not tested here");
        return false;
    }
    profileDir_ = QDir::temp().filePath(QStringLiteral("lingotab-office-%1").arg(getpid()));
    QDir(profileDir_).removeRecursively();
    QDir().mkpath(profileDir_);
    options_.pipeName = QStringLiteral("lingotab-test-%1").arg(getpid());
    options_.headless = true;
    options_.profileUrl = QUrl::fromLocalFile(profileDir_).toString();
    const int watchdog = watchdogPipe_;
    options_.started = [watchdog](pid_t group) {
        if (watchdog >= 0) (void)!write(watchdog, &group, sizeof group);
    };
    sheets::calc::registerCalcApplication(options_);

    automation::CLSID clsid;
    automation::DispatchPtr application;
    QElapsedTimer clock;
    clock.start();
    const automation::HRESULT hr = automation::succeeded(automation::CLSIDFromProgID(
                                       QStringLiteral("Excel.Application"), clsid))
                                       ? automation::CoCreateInstance(clsid, application)
                                       : automation::REGDB_E_CLASSNOTREG;
    startSeconds_ = clock.nsecsElapsed() / 1e9;
    if (!automation::succeeded(hr)) {
        skipReason_ =
            QStringLiteral("the office did not start: %1").arg(automation::SysErrorMessage(hr));
        return false;
    }
    started_ = true;
    return true;
}

void TestOffice::stop() {
    sheets::calc::OfficeConnection::instance().forget();
    if (watchdogPipe_ >= 0) {
        close(watchdogPipe_);
        watchdogPipe_ = -1;
        waitpid(watchdog_, nullptr, 0);
    }
    for (const pid_t office : sheets::calc::startedOfficeProcesses()) waitpid(office, nullptr, 0);
    if (!profileDir_.isEmpty()) QDir(profileDir_).removeRecursively();
    started_ = false;
}

Reference<css::frame::XDesktop2> TestOffice::desktop() const {
    return sheets::calc::OfficeConnection::instance().attach(options_.pipeName);
}

void TestOffice::closeAllDocuments() const {
    const auto components = desktop()->getComponents()->createEnumeration();
    std::vector<Reference<css::util::XCloseable>> documents;
    while (components->hasMoreElements())
        if (Reference<css::util::XCloseable> document{components->nextElement(), UNO_QUERY};
            document.is())
            documents.push_back(document);
    for (const auto& document : documents) document->close(true);
}

Reference<css::sheet::XSpreadsheetDocument> TestOffice::newWorkbook(
    const QStringList& names) const {
    Reference<css::frame::XComponentLoader> loader{desktop(), UNO_QUERY_THROW};
    const Reference<css::sheet::XSpreadsheetDocument> workbook{
        loader->loadComponentFromURL(rtl::OUString("private:factory/scalc"),
                                     rtl::OUString("_blank"), 0, {}),
        UNO_QUERY_THROW};
    const auto sheets = workbook->getSheets();
    const Reference<css::container::XIndexAccess> list{sheets, UNO_QUERY_THROW};
    Reference<css::container::XNamed>(list->getByIndex(0), UNO_QUERY_THROW)
        ->setName(toUno(names.front()));
    for (qsizetype i = 1; i < names.size(); ++i)
        sheets->insertNewByName(toUno(names[i]), static_cast<sal_Int16>(i));
    return workbook;
}

}  // namespace lingotab::test
