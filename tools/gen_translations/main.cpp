// gen_translations N [SEED]: writes a synthetic translation file of N units
// to standard output (see translation_file_generator.h).
#include "tools/gen_translations/translation_file_generator.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    char* end = nullptr;
    const long units = argc >= 2 ? std::strtol(argv[1], &end, 10) : -1;
    const unsigned long long seed = argc >= 3 ? std::strtoull(argv[2], nullptr, 10) : 1;
    if (argc < 2 || argc > 3 || *end || units < 0 || units > 10'000'000) {
        std::fputs("Usage: gen_translations N [SEED] > FILE.dfn  (N units, 0 to 10,000,000)\n",
                   stderr);
        return 2;
    }
    const std::string file =
        lingotab::tools::generateTranslationFile(static_cast<int>(units), seed);
    return std::fwrite(file.data(), 1, file.size(), stdout) == file.size() ? 0 : 1;
}
