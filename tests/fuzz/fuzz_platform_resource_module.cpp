// Resource modules are files beside the executable that anybody may edit;
// their parser and the integer rule of their positions must take any bytes.
#include "platform/integer_text.h"
#include "platform/resource_module.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (const auto module = lingotab::platform::ResourceModule::parse(bytes)) {
        module->LoadString(65120);
        if (const auto* form = module->FindResource(QStringLiteral("TForm1")))
            for (auto it = form->begin(); it != form->end(); ++it)
                lingotab::platform::parseInteger(it.value());
    }
    lingotab::platform::parseInteger(QString::fromUtf8(bytes));
    return 0;
}
