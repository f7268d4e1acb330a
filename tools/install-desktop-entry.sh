#!/usr/bin/env bash
# Registers Lingotab in the desktop's application menu for the current user.
#   tools/install-desktop-entry.sh [FOLDER]    add or refresh the entry
#   tools/install-desktop-entry.sh --remove    take it away again
# FOLDER is the portable folder that `cmake --install` laid out (default:
# build/portable beside this script's repository). The program starts in that
# folder, as from a file manager, so it finds its read-me files there.
set -euo pipefail
applications="${XDG_DATA_HOME:-$HOME/.local/share}/applications"
entry="$applications/lingotab.desktop"

refresh_menu() {
    if command -v update-desktop-database >/dev/null; then
        update-desktop-database -q "$applications" || true
    fi
}

if [ "${1:-}" = "--remove" ]; then
    rm -f "$entry"
    refresh_menu
    echo "removed $entry"
    exit 0
fi

here="$(cd "$(dirname "$0")/.." && pwd)"
folder="$(realpath "${1:-$here/build/portable}")"
if [ ! -x "$folder/Lingotab" ]; then
    echo "no Lingotab program in $folder; run: cmake --install build --prefix $folder" >&2
    exit 1
fi

# Exec takes the path in double quotes, with ", `, $ and \ escaped.
quoted="$(printf '%s' "$folder/Lingotab" | sed -e 's/[\\"`$]/\\&/g')"
mkdir -p "$applications"
cat > "$entry.tmp" <<DESKTOP
[Desktop Entry]
Type=Application
Version=1.0
Name=Lingotab
GenericName=Translation file exporter
GenericName[ru]=Экспорт файлов перевода
Comment=Send the translation units of Delphi .dfn and .rcn files to a worksheet
Comment[ru]=Передать единицы перевода файлов .dfn и .rcn Дельфи в таблицу
Exec="$quoted"
Path=$folder
Icon=$folder/lingotab.svg
Terminal=false
Categories=Office;Development;Translation;
Keywords=translation;Delphi;dfn;rcn;xliff;spreadsheet;
StartupNotify=true
DESKTOP
mv "$entry.tmp" "$entry"
refresh_menu
echo "$entry"
