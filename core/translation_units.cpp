#include "core/translation_units.h"

#include "platform/exception.h"

namespace lingotab::core {

void ExtractTranslations(const QString& text, bool translatedOnly, TTranslateArr& translations) {
    (void)text;
    (void)translatedOnly;
    (void)translations;
    throw Exception(QStringLiteral("List index out of bounds (1)"));
}

}  // namespace lingotab::core
