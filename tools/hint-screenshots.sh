#!/usr/bin/env bash
# Pictures of the main window's hints, for looking at them:
#   template.png, vista.png, darkglass.png, garnet.png: the five hints in the
#     template look and in three internal skins, composed with their
#     constant alpha over a desktop colour (offscreen platform);
#   plain-fallback.png: under Xvfb without a compositing manager, where the
#     hint manager stays out and Qt's plain tooltip appears.
# Usage: tools/hint-screenshots.sh [output folder] (default: <build>/hint-shots)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${LINGOTAB_BUILD:-build-hints}
out=$(realpath -m "${1:-$build/hint-shots}")
if [ ! -f "$build/build.ninja" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLINGOTAB_BENCH=OFF >/dev/null
fi
cmake --build "$build" -j2 --target hints_main_window_hints_test >/dev/null
test=$build/bin/hints_main_window_hints_test
mkdir -p "$out"

QT_QPA_PLATFORM=offscreen LINGOTAB_HINT_SHOTS=$out "$test" --gtest_filter='MainWindowHints.*' \
    --gtest_brief=1 2> >(grep -v 'This plugin does not support' >&2)
# The X11 libraries keep a few allocations to the end of the process.
ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=xcb LINGOTAB_HINT_SHOTS=$out xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$test" --gtest_filter='PlainHints.*' --gtest_brief=1
ls -1 "$out"/*.png
