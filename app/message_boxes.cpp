#include "app/message_boxes.h"

#include "platform/application_title.h"

#include <QMessageBox>

namespace lingotab::app {

namespace {

std::function<void(const MessageBoxCall&)>& hook() {
    static std::function<void(const MessageBoxCall&)> current;
    return current;
}

void show(QWidget* parent, const MessageBoxCall& call) {
    if (hook()) {
        hook()(call);
        return;
    }
    QMessageBox box(
        call.icon == MessageBoxCall::kError ? QMessageBox::Critical : QMessageBox::NoIcon,
        call.title, call.text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace

void setMessageBoxHook(std::function<void(const MessageBoxCall&)> newHook) {
    hook() = std::move(newHook);
}

void ShowErrorBox(QWidget* parent, const QString& message) {
    QString text = message;
    if (!text.isEmpty() && text.back() > u'.') text += u'.';
    show(parent, {platform::ApplicationTitle(), text, MessageBoxCall::kError});
}

void ShowMessage(QWidget* parent, const QString& text) {
    show(parent, {platform::ApplicationTitle(), text, MessageBoxCall::kNone});
}

}  // namespace lingotab::app
