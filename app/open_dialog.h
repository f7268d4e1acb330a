#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;

namespace lingotab::app {

// The open-file dialog of the window: one file, the read-only choice hidden,
// resizable, and a typed name of a missing file is returned as chosen.
class TsOpenDialog {
  public:
    QString Title;
    // Pairs of description and pattern, all separated by "|"; patterns of one
    // entry separated by ";".
    QString Filter;
    int FilterIndex = 1;  // 1-based entry selected when the dialog opens
    QString FileName;     // the chosen file after Execute() returned true

    // Runs the dialog; false when the user cancelled.
    bool Execute(QWidget* parent);

    // The entries of Filter as the toolkit's dialog takes them
    // ("Description (*.dfn *.rcn)"); "*.*" matches every file, with or
    // without an extension.
    QStringList nameFilters() const;

    // While a hook is set, Execute() asks it instead of showing the dialog:
    // the chosen path, or nullopt for a cancel (tests never block).
    static void setExecuteHook(std::function<std::optional<QString>(const TsOpenDialog&)> hook);
};

}  // namespace lingotab::app
