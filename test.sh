#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and
# UndefinedBehaviorSanitizer, runs every test, then fuzzes each parser briefly.
set -euo pipefail
cd "$(dirname "$0")"
./setup.sh

jobs=$(nproc)
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLINGOTAB_SANITIZE=ON -DLINGOTAB_BENCH=OFF >/dev/null
cmake --build build-asan -j "$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir build-asan --output-on-failure -j "$jobs"

# Fuzzing: a clang build of the fuzz targets only, each run over a copy of its
# seed corpus for a few seconds.
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLINGOTAB_FUZZ=ON \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
if cmake --build build-fuzz --target help | grep -q '^fuzz_all:'; then
    cmake --build build-fuzz -j "$jobs" --target fuzz_all
    for corpus in tests/fuzz/corpus/*/; do
        name=$(basename "$corpus")
        work=build-fuzz/corpus/$name
        rm -rf "$work" && mkdir -p "$work" && cp -r "$corpus". "$work"/
        echo "fuzzing $name"
        QT_QPA_PLATFORM=offscreen LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp \
            build-fuzz/bin/"$name" -max_total_time="${FUZZ_SECONDS:-8}" -timeout=10 -rss_limit_mb=2048 \
            -print_final_stats=0 "$work" 2>build-fuzz/"$name".log \
            || { tail -n 40 build-fuzz/"$name".log; exit 1; }
    done
fi
echo "all tests passed"
