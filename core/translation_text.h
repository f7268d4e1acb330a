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
    // Takes the text in UTF-8. Raises "List index out of bounds (1)" for a
    // text of fewer than two lines.
    explicit TranslationText(QByteArray utf8);

    // The joined text in UTF-8, for the parser. Every line break is one LF
    // (the parser folds CR LF into LF anyway), so the parser's line numbers
    // are those of the joined text.
    const QByteArray& utf8() const { return utf8_; }

    // Line `number` (counted from 1) of the joined text; empty past the end.
    QString line(int number) const;

  private:
    QByteArray utf8_;
};

}  // namespace lingotab::core
