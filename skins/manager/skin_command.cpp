#include "skins/manager/skin_command.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace lingotab::skins {

namespace {

// Receivers may create or delete widgets while handling a command, so each
// level is walked over a guarded snapshot of its children.
void deliver(QWidget* widget, int command, TsSkinManager* manager, const QString& section) {
    const QPointer<QWidget> guard(widget);
    TacSkinCommandEvent event(command, manager, section);
    QCoreApplication::sendEvent(widget, &event);
    if (!guard) return;
    QList<QPointer<QWidget>> children;
    for (QObject* child : widget->children()) {
        auto* childWidget = qobject_cast<QWidget*>(child);
        // Child windows receive the command as top-level widgets.
        if (childWidget && !childWidget->isWindow()) children.append(childWidget);
    }
    for (const QPointer<QWidget>& child : children) {
        if (child) deliver(child, command, manager, section);
    }
}

}  // namespace

void sendSkinCommand(QWidget* window, int command, TsSkinManager* manager, const QString& section) {
    if (window) deliver(window, command, manager, section);
}

void broadcastSkinCommand(int command, TsSkinManager* manager, const QString& section) {
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets()) windows.append(window);
    for (const QPointer<QWidget>& window : windows) {
        if (window) deliver(window, command, manager, section);
    }
}

}  // namespace lingotab::skins
