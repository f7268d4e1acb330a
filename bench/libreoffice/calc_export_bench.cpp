// Times the export through LibreOffice Calc: connecting to a running office,
// starting one and exporting, and exports of 10,000 and 100,000 units into a
// running office. Starts its own headless office on a fresh profile and ends
// it (with its whole process group) before it returns.
#include "core/export_translations.h"
#include "platform/automation/com.h"
#include "sheets/libreoffice/calc_application.h"
#include "sheets/libreoffice/calc_objects.h"
#include "sheets/libreoffice/office_connection.h"
#include "sheets/libreoffice/office_process.h"

#include <com/sun/star/container/XEnumeration.hpp>
#include <com/sun/star/container/XEnumerationAccess.hpp>
#include <com/sun/star/util/XCloseable.hpp>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QUrl>

#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>
#include <csignal>
#include <cstdio>

namespace {

using namespace lingotab;

// A realistic mix: dotted resource names, short and long sources, Cyrillic
// targets, some quoted, some multi-line.
core::TTranslateArr units(int count) {
    core::TTranslateArr result;
    result.reserve(count);
    for (int i = 0; i < count; ++i) {
        const QString n = QString::number(i);
        QString source = i % 7 == 0 ? QStringLiteral("'Quoted text %1'").arg(n)
                                    : QStringLiteral("Caption of control %1 on the form").arg(n);
        if (i % 11 == 0) source += QStringLiteral("\nsecond line of the hint");
        result.push_back(
            {QStringLiteral("TForm%1.Component%2.Caption").arg(i / 50).arg(n), source,
             i % 5 == 0 ? QString() : QStringLiteral("Подпись элемента %1 на форме").arg(n)});
    }
    return result;
}

core::ExportContext context() {
    core::ExportContext c;
    c.strings = [](int id) { return QStringLiteral("text %1").arg(id); };
    c.caption = QStringLiteral("Lingotab v1.0");
    c.loadedFileName = QStringLiteral("/bench/Main.dfn");
    c.now = QDateTime::currentDateTime();
    c.locale = QLocale::c();
    c.showMessage = [](const QString& message) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    };
    return c;
}

double secondsOf(const std::function<void()>& work) {
    QElapsedTimer clock;
    clock.start();
    work();
    return clock.nsecsElapsed() / 1e9;
}

void closeAll(const sheets::calc::OfficeOptions& options) {
    const auto desktop = sheets::calc::OfficeConnection::instance().attach(options.pipeName);
    const auto components = desktop->getComponents()->createEnumeration();
    std::vector<css::uno::Reference<css::util::XCloseable>> documents;
    while (components->hasMoreElements())
        if (css::uno::Reference<css::util::XCloseable> d{components->nextElement(),
                                                         css::uno::UNO_QUERY};
            d.is())
            documents.push_back(d);
    for (const auto& d : documents) d->close(true);
}

double best(int runs, const std::function<double()>& run) {
    double result = 1e9;
    for (int i = 0; i < runs; ++i) result = std::min(result, run());
    return result;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (!sheets::calc::calcInstalled()) {
        std::printf("LibreOffice Calc is not installed\n");
        return 0;
    }
    const QString profile =
        QDir::temp().filePath(QStringLiteral("lingotab-bench-office-%1").arg(getpid()));
    sheets::calc::OfficeOptions options;
    options.pipeName = QStringLiteral("lingotab-bench-%1").arg(getpid());
    options.headless = true;
    options.profileUrl = QUrl::fromLocalFile(profile).toString();
    sheets::calc::registerCalcApplication(options);

    const auto small = units(100);
    std::printf("start + export of 100 units (fresh profile): %.2f s\n",
                secondsOf([&] { core::ExportTranslations(small, true, context()); }));
    std::printf("second start-free export of 100 units:       %.3f s\n",
                secondsOf([&] { core::ExportTranslations(small, true, context()); }));

    automation::CLSID clsid;
    automation::CLSIDFromProgID(QStringLiteral("Excel.Application"), clsid);
    const double attach = best(10, [&] {
        sheets::calc::OfficeConnection::instance().forget();
        return secondsOf([&] {
            automation::DispatchPtr excel;
            automation::GetActiveObject(clsid, excel);
        });
    });
    std::printf("attach (new connection):                     %.1f ms\n", attach * 1e3);

    for (const int count : {10000, 100000}) {
        const auto many = units(count);
        for (const bool vertical : {true, false}) {
            const double seconds = best(count > 10000 ? 1 : 3, [&] {
                closeAll(options);
                return secondsOf([&] { core::ExportTranslations(many, vertical, context()); });
            });
            std::printf("%6d units, %-10s into a running office: %.3f s\n", count,
                        vertical ? "vertical" : "horizontal", seconds);
        }
    }

    sheets::calc::OfficeConnection::instance().forget();
    for (const pid_t office : sheets::calc::startedOfficeProcesses()) {
        kill(-office, SIGKILL);
        waitpid(office, nullptr, 0);
    }
    QDir(profile).removeRecursively();
    return 0;
}
