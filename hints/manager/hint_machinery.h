#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

#include "hints/manager/hint_info.h"
#include "hints/manager/hint_scheduler.h"

namespace lingotab::hints {

class TacCustomHintWindow;

// The application's hint machinery: follows the pointer over the widgets,
// waits the pauses, asks the show-hint event, and shows the hint of the
// control under the pointer in a window of the installed hint window class.
// Without an installed class it stays out of the way and Qt's own tooltips
// appear (from the same toolTip texts).
class TacHintMachinery : public QObject {
  public:
    using HintWindowClass = std::function<std::unique_ptr<TacCustomHintWindow>()>;
    using ShowHintEvent = std::function<void(QString& HintStr, bool& CanShow, THintInfo& HintInfo)>;

    explicit TacHintMachinery(std::unique_ptr<HintScheduler> scheduler = nullptr);
    ~TacHintMachinery() override;

    // The one machinery of the application.
    static TacHintMachinery& Application();

    int HintPause = 500;       // before the first hint
    int HintShortPause = 50;   // passing to another control while a hint shows
    int HintHidePause = 2500;  // how long a hint stays
    ShowHintEvent OnShowHint;

    // Installs a hint window class (and the event filter that feeds the
    // machinery), or with null gives hints back to Qt. The current window
    // is dropped either way.
    void setHintWindowClass(HintWindowClass windowClass);
    bool installed() const { return bool(windowClass_); }

    // The pointer is over `widget` (null: over no widget of ours).
    void mouseOver(QWidget* widget);
    // Hides a shown hint and forgets a pending one; the hint of the control
    // under the pointer comes back only when the pointer enters a control.
    void CancelHint();

    TacCustomHintWindow* hintWindow() const { return window_.get(); }
    bool hintShowing() const { return showing_; }
    QWidget* hintControl() const { return hintControl_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void activateHint();
    void hideHint();

    std::unique_ptr<HintScheduler> scheduler_;
    HintWindowClass windowClass_;
    std::unique_ptr<TacCustomHintWindow> window_;
    QPointer<QWidget> hintControl_;
    bool showing_ = false;
};

// The control whose hint shows over `widget`: the widget or its nearest
// parent with a hint text.
QWidget* hintOwner(QWidget* widget);

// The part of a hint text before the first "|".
QString GetShortHint(const QString& hint);

}  // namespace lingotab::hints
