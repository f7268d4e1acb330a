#pragma once

#include "platform/exception.h"

#include <QString>
#include <exception>
#include <functional>

class QWidget;

namespace lingotab::app {

// What a message box shows: modal, one OK button, titled with the
// application title.
struct MessageBoxCall {
    enum Icon { kNone, kError };
    QString title;
    QString text;
    Icon icon = kNone;
};

// While a hook is set, boxes are handed to it instead of being shown, so
// that tests never block on a modal box. An empty function removes it.
void setMessageBoxHook(std::function<void(const MessageBoxCall&)> hook);

// The error box: the message with a full stop appended when its last
// character sorts after ".", and the error icon.
void ShowErrorBox(QWidget* parent, const QString& message);
// The plain box for expected conditions (no icon).
void ShowMessage(QWidget* parent, const QString& text);

// Runs `operation`; an error it raises ends it and is shown in the error box.
// Returns whether it ran to its end.
template <typename Operation>
bool runShowingErrors(QWidget* parent, Operation&& operation) {
    try {
        operation();
        return true;
    } catch (const Exception& e) {
        ShowErrorBox(parent, e.message());
    } catch (const std::exception& e) {
        ShowErrorBox(parent, QString::fromLocal8Bit(e.what()));
    }
    return false;
}

}  // namespace lingotab::app
