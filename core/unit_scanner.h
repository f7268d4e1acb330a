#pragma once

#include "core/translation_units.h"

#include <QByteArray>
#include <QString>

namespace lingotab::core {

// What the extraction needs of a translation file, read by position from the
// document's nodes: elements, comments, processing instructions, CDATA
// sections and text that is not whitespace only each take a position.
struct UnitScan {
    bool rootHasChild = false;
    // Child 0 of the root element (the file) carries "source-language" and
    // "target-language".
    bool fileHasLanguages = false;
    // The file has a child 1 (the body).
    bool fileHasBody = false;
    // Units of the body that pass the filter, in document order, up to the
    // first unit that fails.
    TTranslateArr taken;
    // The message of that failing unit; empty when none fails.
    QString unitError;
};

// A document that is not well-formed: the parser's reason and line number.
struct XmlError {
    QString reason;
    int line = 0;
};

// The error of reading an absent attribute as text: the attribute reads as a
// null value, which does not convert.
QString absentAttributeMessage();

// Parses `utf8` in one pass and reads the units of the body under the filter
// (`translatedOnly`: target not empty; otherwise: source begins with an
// apostrophe or a double quote). No entity is loaded, nothing is fetched, a
// document type declaration is refused. Returns false and fills `error` when
// the document is not well-formed; `scan` is then incomplete.
bool scanTranslationUnits(const QByteArray& utf8, bool translatedOnly, UnitScan& scan,
                          XmlError& error);

}  // namespace lingotab::core
