#!/usr/bin/env bash
# Installs what is missing, builds the release into build/, then does the
# program's main job:
#   ./run.sh FILE...   exports each translation file to a workbook
#   ./run.sh           starts the window (or, without a display or window
#                      build, exports the bundled example)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
# File arguments are taken relative to where the user called us from.
files=()
for file in "$@"; do files+=("$(realpath -m -- "$file")"); done
cd "$here"
./setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DLINGOTAB_TESTS=OFF -DLINGOTAB_BENCH=OFF >/dev/null
cmake --build build -j "$(nproc)" >/dev/null

if [ ${#files[@]} -gt 0 ]; then
    status=0
    for file in "${files[@]}"; do
        build/bin/lingotab-export "$file" || status=1
    done
    exit $status
fi

if [ -x build/bin/Lingotab ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
    # The read-me is looked up in the current folder, as when started from
    # the desktop: start beside the executable.
    cd build/bin && exec ./Lingotab
fi
exec build/bin/lingotab-export "$here/examples/Main.dfn"
