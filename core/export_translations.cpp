#include "core/export_translations.h"

#include "core/string_ids.h"

namespace lingotab::core {

void ExportTranslations(const TTranslateArr& translations, bool vertical,
                        const ExportContext& context) {
    (void)vertical;
    if (translations.empty()) {
        context.showMessage(context.strings(sNothingToExport));
        return;
    }
    context.showMessage(context.strings(sExcelNotRegistered));
}

}  // namespace lingotab::core
