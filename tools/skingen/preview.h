#pragma once

#include <QImage>
#include <QString>

namespace lingotab::skingen {

// Paints a mock main window (title bar, tool panel with buttons, check boxes
// and spin box, text area with scroll bars and grip), a popup menu and a hint
// from a written skin folder, reading back its options text and images, so
// that a skin can be looked at before the program's own painter exists.
QImage previewSkin(const QString& folder, const QString& caption);

}  // namespace lingotab::skingen
