// Any text as the text area's content: the extraction either fills the table
// or raises the program's error, under both filters.
#include "core/translation_units.h"
#include "platform/exception.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const bool translatedOnly : {false, true}) {
        lingotab::core::TTranslateArr units;
        try {
            lingotab::core::ExtractTranslations(text, translatedOnly, units);
        } catch (const lingotab::Exception&) {
        }
    }
    return 0;
}
