// Takes pictures of the main window's tool panel and text area in every
// internal skin, each in four looks: normal, a hot button, a focused check
// box and the spin box disabled. Usage: skinshots OUTPUT_FOLDER [WIDTH HEIGHT]

#include "skins/manager/skin_manager.h"
#include "skins/manager/skin_messages.h"
#include "skins/paint/ac_timer.h"
#include "tools/skinshots/main_window_replica.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>

using namespace lingotab::skins;

namespace {

void settle() {
    for (int i = 0; i < 5; ++i) {
        TacTimer::advance(100);
        QApplication::processEvents();
    }
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // The window's Tahoma 8 points: 11 pixels at 96 dpi.
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    QApplication::setFont(font);
    if (argc < 2) {
        QTextStream(stderr) << "usage: skinshots OUTPUT_FOLDER [WIDTH HEIGHT]\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    TacTimer::setManualClock(true);
    setSkinMessagePresenter([](TacMessageKind, const QString& title, const QString& text) {
        QTextStream(stderr) << title << ": " << text << "\n";
    });
    TsSkinManager manager;
    manager.setInternalSkins(builtInSkins());
    manager.setSkinDirectory(QStringLiteral("/nonexistent"));

    TacMainWindowReplica window;
    window.resize(argc >= 4 ? QString(argv[2]).toInt() : 800,
                  argc >= 4 ? QString(argv[3]).toInt() : 546);
    window.layOut();
    window.vertical->setChecked(true);
    window.show();
    QApplication::processEvents();

    for (const TsStoredSkin& skin : manager.InternalSkins()) {
        manager.setSkinName(skin.Name);
        window.layOut();
        QString file = skin.Name;
        file.replace(QStringLiteral(" (internal)"), QString()).replace(u' ', u'_');
        const auto shoot = [&](const char* look) {
            settle();
            window.grab().save(out.filePath(file + QLatin1Char('-') + QLatin1String(look) +
                                            QStringLiteral(".png")));
        };
        window.vertical->setChecked(true);
        window.memo->setFocus();
        shoot("normal");

        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(window.open, &enter);
        shoot("hot-button");
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(window.open, &leave);

        window.translated->setFocus();
        shoot("focused-check-box");

        window.vertical->setChecked(false);
        shoot("disabled-spin-box");
        QTextStream(stdout) << file << "\n";
    }
    return 0;
}
