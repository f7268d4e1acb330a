#pragma once

#include <QByteArray>
#include <QString>

namespace lingotab::app {

// The text a translation file shows in the text area: a UTF-8 byte-order
// mark skipped, the rest decoded as strict UTF-8 (any invalid sequence gives
// the empty text), cut at the first NUL, every line ended with CR LF (CR LF,
// a lone CR and a lone LF all end a line).
QString decodeTranslationText(const QByteArray& bytes);

// Reads the file at `path` and decodes it as above. Raises
// lingotab::Exception "Cannot open file "<path>". <reason>" with the
// system's reason when the file cannot be opened or read (a folder too).
QString LoadTranslationFile(const QString& path);

}  // namespace lingotab::app
