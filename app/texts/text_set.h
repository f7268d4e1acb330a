#pragma once

#include "app/texts/window_description.h"
#include "platform/resource_module.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace lingotab::app {

// The texts of one run: the built-in (Russian) set, or a resource module
// that then is their only source.
class TextSet {
  public:
    TextSet() = default;  // the built-in set
    TextSet(platform::ResourceModule module, QString fileName)
        : module_(std::move(module)), fileName_(std::move(fileName)) {}

    // A string-table entry; empty when the set lacks it.
    QString string(int id) const;
    // The description of the window class `className`; raises
    // lingotab::Exception "Resource <className> not found" when a module
    // lacks it.
    TWindowDescription windowDescription(const QString& className) const;

    // The module's file, empty for the built-in set.
    const QString& moduleFileName() const { return fileName_; }

  private:
    std::optional<platform::ResourceModule> module_;
    QString fileName_;
};

// Chooses the text set for the executable `exePath`: the module named by the
// locale override, else by one of `uiCandidates`; the built-in set when no
// such file exists or the file found is no module.
TextSet chooseTextSet(const QString& exePath, const QStringList& uiCandidates);

// The text set of this run: chosen at the first call from the running
// executable and the user's interface languages, then kept to the end.
const TextSet& currentTextSet();
// Replaces the text set of this run (tests build windows in either set).
void setCurrentTextSet(TextSet texts);

// A string-table entry of the current text set.
inline QString LoadStr(int id) {
    return currentTextSet().string(id);
}

}  // namespace lingotab::app
