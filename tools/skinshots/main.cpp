// Takes pictures of the main window's tool panel and text area in every
// internal skin, each in four looks: normal, a hot button, a focused check
// box and the spin box disabled. The window is laid out as its description
// places the controls. Usage: skinshots OUTPUT_FOLDER [WIDTH HEIGHT]

#include "skins/controls/ts_bit_btn.h"
#include "skins/controls/ts_check_box.h"
#include "skins/controls/ts_label.h"
#include "skins/controls/ts_memo.h"
#include "skins/controls/ts_panel.h"
#include "skins/controls/ts_spin_edit.h"
#include "skins/manager/skin_manager.h"
#include "skins/manager/skin_messages.h"
#include "skins/paint/ac_timer.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>

using namespace lingotab::skins;

namespace {

struct MainWindow : QWidget {
    TsPanel* panel = new TsPanel(this);
    TsBitBtn* open = new TsBitBtn(panel);
    TsCheckBox* translated = new TsCheckBox(panel);
    TsCheckBox* vertical = new TsCheckBox(panel);
    TsSpinEdit* rows = new TsSpinEdit(panel);
    TsLabel* rowsLabel = new TsLabel(panel);
    TsBitBtn* exportButton = new TsBitBtn(panel);
    TsMemo* memo = new TsMemo(this);

    MainWindow() {
        open->setText(QStringLiteral("Открыть .dfn или .rcn-файл"));
        translated->setText(QStringLiteral("Однажды переведённые"));
        vertical->setText(QStringLiteral("Располагать вертикально,"));
        rows->setBoundLabelCaption(QStringLiteral("по"));
        rows->setValue(4);
        rowsLabel->setText(QStringLiteral("строк(и) на ресурс"));
        exportButton->setText(QStringLiteral("Передать в Excel"));
        QObject::connect(vertical, &QCheckBox::toggled, rows, &QWidget::setEnabled);
        QStringList lines;
        for (int i = 0; i < 80; ++i)
            lines << QStringLiteral("<trans-unit id=\"%1\" resname=\"Form1.Caption\">").arg(i);
        memo->setText(lines.join(QStringLiteral("\r\n")));
    }
    void layOut() {
        const int shift = width() - 792;  // the right-hand group keeps its distance
        panel->setGeometry(0, 0, width(), 32);
        memo->setGeometry(0, 32, width(), height() - 32);
        open->setGeometry(3, 3, 161, 25);
        translated->move(195 + shift, 6);
        vertical->move(354 + shift, 6);
        rows->setGeometry(536 + shift, 5, 42, 21);
        rowsLabel->setGeometry(584 + shift, 8, 95, 13);
        exportButton->setGeometry(685 + shift, 3, 103, 25);
    }
};

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

    MainWindow window;
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
