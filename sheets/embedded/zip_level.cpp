#include "sheets/embedded/zip_level.h"

#include <dlfcn.h>
#include <atomic>

namespace {

std::atomic<bool> fastDeflate{false};

constexpr int kDeflated = 8;  // Z_DEFLATED
constexpr int kFastLevel = 1;

using OpenEntry = int (*)(void*, const char*, const void*, const void*, unsigned, const void*,
                          unsigned, const char*, int, int, int, int, int, int, const char*,
                          unsigned long, unsigned long, unsigned long, int);

}  // namespace

namespace lingotab::sheets {

void useFastDeflate() {
    fastDeflate = true;
}

}  // namespace lingotab::sheets

// The writer opens every entry of the container through this minizip call
// and gives it no way to choose the level; defining it here puts this one
// first in the lookup, and it passes everything on to minizip's own with the
// level changed.
extern "C" int zipOpenNewFileInZip4_64(
    void* file, const char* name, const void* info, const void* extraLocal, unsigned extraLocalSize,
    const void* extraGlobal, unsigned extraGlobalSize, const char* comment, int method, int level,
    int raw, int windowBits, int memLevel, int strategy, const char* password, unsigned long crc,
    unsigned long versionMadeBy, unsigned long flagBase, int zip64) {
    static const auto next = reinterpret_cast<OpenEntry>(dlsym(RTLD_NEXT, __func__));
    if (!next) return -102;  // ZIP_PARAMERROR: no minizip below us
    if (fastDeflate && method == kDeflated) level = kFastLevel;
    return next(file, name, info, extraLocal, extraLocalSize, extraGlobal, extraGlobalSize, comment,
                method, level, raw, windowBits, memLevel, strategy, password, crc, versionMadeBy,
                flagBase, zip64);
}
