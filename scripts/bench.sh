#!/bin/sh
# Release build, a generated 1,000,000-line program, the benchmarks, then the
# --render command on that program timed with /usr/bin/time -v (wall clock
# and peak memory), and a peer library when installed. LINES and BUILD may be
# set in the environment.
set -e
cd "$(dirname "$0")/.."
BUILD=${BUILD:-build-bench}
LINES=${LINES:-1000000}
# Warnings are enforced by scripts/test.sh; -O3 adds false positives of its own.
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DORCA_WERROR=OFF >/dev/null
cmake --build "$BUILD" -j "$(nproc)" --target orca_gen orca_bench orca-nc-editor

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
PROGRAM="$WORK/generated.nc"
"$BUILD/orca_gen" "$LINES" "$PROGRAM"
echo "program: $(wc -l < "$PROGRAM") lines, $(wc -c < "$PROGRAM") bytes"

"$BUILD/orca_bench" --benchmark_counters_tabular=true
echo "window load alone (its peak_rss_MB is the whole process):"
"$BUILD/orca_bench" --benchmark_filter=WindowLoad --benchmark_counters_tabular=true

/usr/bin/time -v "$BUILD/orca-nc-editor" --render "$PROGRAM" "$WORK/generated.png" 2>"$WORK/time.txt"
echo "--render of the generated program:"
grep -E 'Elapsed \(wall clock\) time|Maximum resident set size' "$WORK/time.txt"

# Optional peer timing: after `(cd bench/peer && npm install)`, a JavaScript
# G-code toolpath library interprets the same program.
if [ -d bench/peer/node_modules/gcode-toolpath ] && command -v node >/dev/null; then
    node bench/peer/time_toolpath.js "$PROGRAM"
fi
