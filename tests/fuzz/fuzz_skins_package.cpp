// Skin packages from outside: any bytes must give a package or an error.
#include "platform/exception.h"
#include "skins/package/package_reader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        lingotab::skins::readPackage(
            QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    } catch (const lingotab::Exception&) {
    }
    return 0;
}
