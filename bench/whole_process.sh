#!/usr/bin/env bash
# Whole-process timing of `lingotab-export --horizontal` on a generated file:
# process start to workbook on disk, best and median of RUNS runs, and the
# peak memory of one run (GNU time). Uses the release build in BUILD.
#   bench/whole_process.sh [UNITS] [RUNS] [BUILD]
set -euo pipefail
units=${1:-100000}
runs=${2:-10}
build=${3:-build-sheets-rel}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$build"/bin/gen_translations "$units" > "$work/Main.dfn"
echo "input: $units units, $(stat -c %s "$work/Main.dfn") bytes"

times=()
for _ in $(seq "$runs"); do
    rm -f "$work/out.xlsx"
    start=$(date +%s%N)
    "$build"/bin/lingotab-export --horizontal -o "$work/out.xlsx" "$work/Main.dfn" >/dev/null
    end=$(date +%s%N)
    times+=($(( (end - start) / 1000000 )))
done
sorted=$(printf '%s\n' "${times[@]}" | sort -n)
echo "wall ms: best $(echo "$sorted" | head -1), median $(echo "$sorted" | sed -n "$(( (runs + 1) / 2 ))p") of $runs"

rm -f "$work/out.xlsx"
/usr/bin/time -v "$build"/bin/lingotab-export --horizontal -o "$work/out.xlsx" "$work/Main.dfn" \
    2> "$work/time.txt" >/dev/null
grep -E "Maximum resident|Elapsed|User time|System time" "$work/time.txt"
echo "output: $(stat -c %s "$work/out.xlsx") bytes"
