#!/bin/sh
# Pictures of the main window in each internal skin, four per skin: normal,
# a hot button, a focused check box, the spin box disabled. They are taken
# on a virtual screen; open the PNG files and look at them.
#   tools/skin-screenshots.sh [BUILD_DIR] [OUTPUT_DIR]
set -eu
build=${1:-build-paint}
out=${2:-$build/skin-screenshots}
cmake --build "$build" -j2 --target skinshots
mkdir -p "$out"
# The pictures use the settings of a fresh start, not the user's.
export LINGOTAB_REGISTRY_DIR="$out/registry"
xvfb-run -a -s "-screen 0 1280x1024x24" "$build/bin/skinshots" "$out"
echo "Pictures in $out"
