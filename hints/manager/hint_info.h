#pragma once

#include <QPoint>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

namespace lingotab::hints {

// What the hint machinery knows about the hint it is about to show.
struct THintInfo {
    QPointer<QWidget> HintControl;
    QPoint HintPos;    // screen point of the hint: below the cursor
    int HintMaxWidth;  // the screen width
    QString HintStr;   // the short hint: the control's hint up to the first "|"
};

// Called before each hint; may change the text, veto the hint (CanShow),
// move it (HintInfo.HintPos) or hand a frame to show instead of the text.
using TacShowHintEvent =
    std::function<void(QString& HintStr, bool& CanShow, THintInfo& HintInfo, QWidget*& Frame)>;

}  // namespace lingotab::hints
