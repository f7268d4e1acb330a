#!/usr/bin/env bash
# Screenshots of the main window's title bar in every internal skin.
#   tools/titlebar-screenshots.sh [BUILD_DIR [OUT_DIR]]
# BUILD_DIR (default build) holds bin/Lingotab; it is copied with its
# language files into a scratch folder, started once per skin on a virtual
# screen (tools/screenshot.sh) with that skin in its lingotab.ini, and each
# shot is saved whole (OUT_DIR/NAME.png) and as the window's top 48 pixels
# (OUT_DIR/NAME-titlebar.png). OUT_DIR defaults to BUILD_DIR/titlebars.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$(realpath "${1:-build}")"
out="$(realpath -m "${2:-$build/titlebars}")"
mkdir -p "$out"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
cp "$build/bin/Lingotab" "$scratch/"
cp "$build"/bin/Lingotab.* "$build"/bin/ReadMe!.* "$scratch/" 2>/dev/null || true
export LINGOTAB_REGISTRY_DIR="$scratch/registry"

# The internal skins in collection order, as skins/internal/internal_skins.cmake lists them.
skins=(DarkGlass NextAlpha Aluminium Garnet Golden LongHorn MacMetal Nautilus Neutral Neutral2
       Office12Style Pulsar Retro TheFrog Topaz "Vienna Ext" Vista Winter2003 XPSilver
       "Office2007 Blue")
for skin in "${skins[@]}"; do
    printf '[APP_WINDOW]\r\nSkinName=%s (internal)\r\n' "$skin" > "$scratch/lingotab.ini"
    shot="$out/${skin// /_}.png"
    "$here/screenshot.sh" "$shot" "$scratch/Lingotab" "${LINGOTAB_SHOT_WAIT:-4}" > /dev/null
    # The screen is black around the window: trimming leaves the window.
    convert "$shot" -trim +repage -crop x48+0+0 +repage "${shot%.png}-titlebar.png"
    echo "${shot%.png}-titlebar.png"
done
