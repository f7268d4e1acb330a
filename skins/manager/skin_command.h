#pragma once

// The skin command message. A skin change reaches every window as a
// TacSkinCommandEvent delivered synchronously with QCoreApplication::sendEvent
// (see broadcastSkinCommand): first to each top-level widget, then to each of
// its descendants, parents before children, in child order. Receivers
// override QWidget::event (or QObject::event), check
//     event->type() == TacSkinCommandEvent::Type
// and act on command(); they must NOT forward the event to their children
// themselves, the broadcast already reaches every descendant. Returning true
// or false from event() makes no difference to the broadcast.

#include <QEvent>
#include <QString>

class QWidget;

namespace lingotab::skins {

class TsSkinManager;

// Commands of the skin command message.
enum TacSkinCommand : int {
    AC_SETNEWSKIN = 1,      // a new skin is loaded: update indexes and caches
    AC_REMOVESKIN = 2,      // the skin is gone: drop cached images, paint the standard way
    AC_REFRESH = 3,         // repaint now with the current skin
    AC_UPDATESECTION = 13,  // the section named by section() changed
    AC_PREPARING = 16,      // sent to every window just before AC_REFRESH
};

class TacSkinCommandEvent : public QEvent {
  public:
    // The window message number of the skin command message.
    static constexpr QEvent::Type Type = static_cast<QEvent::Type>(0xA100);

    TacSkinCommandEvent(int command, TsSkinManager* manager, QString section = {})
        : QEvent(Type), command_(command), manager_(manager), section_(std::move(section)) {}

    int command() const { return command_; }
    TsSkinManager* manager() const { return manager_; }
    // For AC_UPDATESECTION: the changed section, upper-cased.
    const QString& section() const { return section_; }

  private:
    int command_;
    TsSkinManager* manager_;
    QString section_;
};

// Sends the command to `window` and then to every descendant widget.
void sendSkinCommand(QWidget* window, int command, TsSkinManager* manager,
                     const QString& section = {});
// Sends the command to every top-level widget of the application (and their
// descendants).
void broadcastSkinCommand(int command, TsSkinManager* manager, const QString& section = {});

}  // namespace lingotab::skins
