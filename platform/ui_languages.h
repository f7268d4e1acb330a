#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace lingotab::platform {

// The interface-language names a resource module may be named after, in the
// order they are tried: every preferred UI language of `locale` (such as
// "ru-RU") followed by its shorter forms ("ru"), without repeats; then the
// three-letter abbreviation of the locale's language ("RUS"); then its first
// two letters ("RU").
QStringList uiLanguageCandidates(const QLocale& locale);
QStringList uiLanguageCandidates(const QStringList& uiLanguages, const QString& abbreviation);

// The three-letter abbreviated language name: the language's two-letter code
// and a letter for its country or variant, upper case ("ENU" for English in
// the United States, "ENG" in the United Kingdom, "RUS", "DEU").
QString abbreviatedLanguageName(const QLocale& locale);

}  // namespace lingotab::platform
