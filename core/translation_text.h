#pragma once

#include <QByteArray>
#include <QString>

namespace lingotab::core {

// The text of a translation file as the parser sees it: split into lines at
// CR LF, lone CR and lone LF, the second line (the document type declaration
// of translation files) blanked, and joined again with a line break after
// every line.
class TranslationText {
  public:
    // Raises "List index out of bounds (1)" for a text of fewer than two lines.
    explicit TranslationText(const QString& text);

    // The joined text in UTF-8, for the parser. Line breaks are single LF
    // (the parser folds CR LF into LF anyway), so its line numbers are those
    // of the joined text.
    const QByteArray& utf8() const { return utf8_; }

    // Line `number` (counted from 1) of the joined text; empty past the end.
    QString line(int number) const;

  private:
    QString text_;  // shares the caller's text, no copy
    QByteArray utf8_;
};

}  // namespace lingotab::core
