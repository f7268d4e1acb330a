#!/usr/bin/env bash
# Installs every Debian package that building, testing and running Lingotab
# need. Safe to run again: it only calls apt-get when something is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6svg6 qt6-qpa-plugins libgl-dev libxcb1-dev
  libxml2-dev libxlsxwriter-dev zlib1g-dev libpng-dev libjpeg62-turbo-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  clang libclang-rt-14-dev clang-format
  xvfb xauth x11-utils imagemagick xdg-utils
  fonts-wine fonts-urw-base35 fontconfig
  python3 python3-openpyxl
  # LibreOffice Calc as a spreadsheet back end, and the SDK that builds it
  libreoffice-calc libreoffice-dev libreoffice-dev-common
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}" >&2
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# fonts-wine keeps its Tahoma (the window's font) outside fontconfig's
# folders: link just those two files where fontconfig looks.
tahoma=/usr/local/share/fonts/lingotab
if [ ! -e "$tahoma/tahoma.ttf" ] && [ -e /usr/share/wine/fonts/tahoma.ttf ]; then
  $sudo mkdir -p "$tahoma"
  $sudo ln -sf /usr/share/wine/fonts/tahoma.ttf /usr/share/wine/fonts/tahomabd.ttf "$tahoma/"
  $sudo fc-cache -f "$tahoma" >/dev/null
fi
