#pragma once

#include <QByteArray>
#include <QString>

namespace lingotab::app {

// The text a translation file shows in the text area, as UTF-8: a UTF-8
// byte-order mark skipped, the rest checked as strict UTF-8 (any invalid
// sequence gives the empty text), cut at the first NUL, every line ended
// with CR LF (CR LF, a lone CR and a lone LF all end a line).
QByteArray normalizeTranslationBytes(const QByteArray& bytes);

// The same text as the text area holds it.
QString decodeTranslationText(const QByteArray& bytes);

// Reads the file at `path`. Raises lingotab::Exception
// "Cannot open file "<path>". <reason>" with the system's reason when the
// file cannot be opened or read (a folder too).
QByteArray ReadTranslationFile(const QString& path);

// Reads and decodes the file at `path` for the text area.
QString LoadTranslationFile(const QString& path);

}  // namespace lingotab::app
