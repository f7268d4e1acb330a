#include "core/translation_units.h"

#include "core/translation_text.h"
#include "core/unit_scanner.h"
#include "platform/exception.h"

namespace lingotab::core {

namespace {

[[noreturn]] void indexOutOfBounds(int index) {
    throw Exception(QStringLiteral("List index out of bounds (%1)").arg(index));
}

}  // namespace

void ExtractTranslations(const QString& text, bool translatedOnly, TTranslateArr& translations) {
    ExtractTranslationsFromUtf8(text.toUtf8(), translatedOnly, translations);
}

void ExtractTranslationsFromUtf8(QByteArray utf8, bool translatedOnly,
                                 TTranslateArr& translations) {
    const TranslationText joined(std::move(utf8));

    UnitScan scan;
    XmlError error;
    if (!scanTranslationUnits(joined.utf8(), translatedOnly, scan, error))
        // Concatenated, not formatted: the parser's reason may hold "%1".
        throw Exception(error.reason + QStringLiteral("\r\nLine: ") + QString::number(error.line) +
                        QStringLiteral("\r\n") + joined.line(error.line).left(40));

    if (!scan.rootHasChild) indexOutOfBounds(0);
    if (!scan.fileHasLanguages) throw Exception(absentAttributeMessage());
    translations.clear();
    if (!scan.fileHasBody) indexOutOfBounds(1);
    translations = std::move(scan.taken);
    if (!scan.unitError.isEmpty()) throw Exception(scan.unitError);
}

}  // namespace lingotab::core
