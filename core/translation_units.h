#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace lingotab::core {

// One translation unit of a translation file. An empty string stands for an
// absent or empty value.
struct TTranslateString {
    QString Resource;  // the unit's "resname"
    QString Source;    // text of its "source" child
    QString Target;    // text of its "target" child

    bool operator==(const TTranslateString&) const = default;
};

// Translation units in document order.
using TTranslateArr = std::vector<TTranslateString>;

// Rebuilds `translations` from the text of a translation file (as it stands in
// the text area, possibly edited). With `translatedOnly` a unit is taken when
// its target text is not empty; without it, when its source text begins with
// an apostrophe or a double quote.
//
// The second line (the document type declaration in translation files) is
// blanked before parsing; navigation is by position: root > child 0 (file) >
// child 1 (body) > every child (unit).
//
// Raises lingotab::Exception with the user's message on the first failure.
// `translations` is left as it was when the failure comes before the units
// are read, and partly rebuilt after that.
void ExtractTranslations(const QString& text, bool translatedOnly, TTranslateArr& translations);

// The same for a text in UTF-8 (without a byte-order mark), as a file holds
// it: spares a large file the round trip through UTF-16. Bytes that are not
// UTF-8 fail as a parse error.
void ExtractTranslationsFromUtf8(QByteArray utf8, bool translatedOnly, TTranslateArr& translations);

}  // namespace lingotab::core
