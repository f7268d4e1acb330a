#!/usr/bin/env bash
# Takes a screenshot of a program's window on a virtual screen.
#   tools/screenshot.sh OUT.png [PROGRAM [SECONDS]]
# PROGRAM (default build/bin/Lingotab) starts in its own directory on a
# 1280x1024 Xvfb screen; after SECONDS (default 3) the whole screen is saved
# to OUT.png and the program is ended. Needs xvfb and imagemagick (setup.sh).
set -euo pipefail
out="$(realpath -m "$1")"
program="$(realpath "${2:-build/bin/Lingotab}")"
wait="${3:-3}"
cd "$(dirname "$program")"
LINGOTAB_NO_VIEWER=1 xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    "$1" & pid=$!
    sleep "$3"
    import -window root "$2"
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
' screenshot "$program" "$out" "$wait"
echo "$out"
