#pragma once

#include <QString>
#include <QStringList>

namespace lingotab::platform {

// The language override for the executable `exePath`: from the first of the
// locale keys that exists (per user "Software\Embarcadero\Locales", machine
// "Software\Embarcadero\Locales", per user "Software\CodeGear\Locales",
// machine "Software\CodeGear\Locales", per user "Software\Borland\Locales",
// per user "Software\Borland\Delphi\Locales"), the value named `exePath`,
// else the key's default value; empty when neither exists.
QString localeOverride(const QString& exePath);

// What a language name is appended to: the path up to and including the last
// full stop of its file name. An executable without an extension gets one
// added, so that ".../Lingotab" looks for ".../Lingotab.EN".
QString resourceModuleStem(const QString& exePath);

// The resource module file for `exePath`, or empty for the built-in texts.
// A non-empty `override` is a comma-separated list of names, tried in order
// (the interface languages are then not consulted); otherwise the names in
// `uiCandidates` are tried. The first stem + name that exists as a file wins.
QString findResourceModuleFile(const QString& exePath, const QString& override,
                               const QStringList& uiCandidates);

}  // namespace lingotab::platform
