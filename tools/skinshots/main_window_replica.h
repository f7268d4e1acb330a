#pragma once

// The main window's tool panel and text area, built from the skinned
// controls and laid out as the window description places them, for the
// screenshot tool and the repaint benchmark.

#include "skins/controls/ts_bit_btn.h"
#include "skins/controls/ts_check_box.h"
#include "skins/controls/ts_label.h"
#include "skins/controls/ts_memo.h"
#include "skins/controls/ts_panel.h"
#include "skins/controls/ts_spin_edit.h"

#include <QWidget>

namespace lingotab::skins {

struct TacMainWindowReplica : QWidget {
    TsPanel* panel = new TsPanel(this);
    TsBitBtn* open = new TsBitBtn(panel);
    TsCheckBox* translated = new TsCheckBox(panel);
    TsCheckBox* vertical = new TsCheckBox(panel);
    TsSpinEdit* rows = new TsSpinEdit(panel);
    TsLabel* rowsLabel = new TsLabel(panel);
    TsBitBtn* exportButton = new TsBitBtn(panel);
    TsMemo* memo = new TsMemo(this);

    TacMainWindowReplica() {
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

}  // namespace lingotab::skins
