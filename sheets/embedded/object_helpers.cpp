#include "platform/exception.h"
#include "sheets/embedded/objects.h"

namespace lingotab::sheets {

const Variant& argument(const VariantList& args, size_t index) {
    static const Variant missing = Variant::missing();
    return index < args.size() ? args[index] : missing;
}

bool given(const Variant& value) {
    return !value.isMissing() && !value.isEmpty();
}

void checkAlive(const SheetModel& sheet) {
    if (sheet.removed())
        throw Exception(QStringLiteral("The object invoked has disconnected from its clients."));
}

}  // namespace lingotab::sheets
