#!/bin/sh
# Load under load: generates a 10,000,000-line program (about 300 MB) and
# opens it headless (--dump and --render) and in the window (offscreen),
# each timed with /usr/bin/time -v: wall clock and peak memory. A machine
# without the memory refuses the file with its message instead. LINES and
# BUILD may be set in the environment.
set -e
cd "$(dirname "$0")/.."
BUILD=${BUILD:-build-bench}
LINES=${LINES:-10000000}
# Warnings are enforced by scripts/test.sh; -O3 adds false positives of its own.
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DORCA_WERROR=OFF >/dev/null
cmake --build "$BUILD" -j "$(nproc)" --target orca_gen orca-nc-editor orca_window_load

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
PROGRAM="$WORK/generated.nc"
"$BUILD/orca_gen" "$LINES" "$PROGRAM"
echo "program: $(wc -l < "$PROGRAM") lines, $(wc -c < "$PROGRAM") bytes"
grep MemAvailable /proc/meminfo

# measure LABEL OUT COMMAND...: runs COMMAND with its output to OUT, then
# shows what it said on standard error, its wall clock and peak memory.
measure() {
    label=$1
    out=$2
    shift 2
    status=0
    /usr/bin/time -v "$@" >"$out" 2>"$WORK/time.txt" || status=$?
    echo "$label (exit $status):"
    grep -v -E '^\s' "$WORK/time.txt" || true
    grep -E 'Elapsed \(wall clock\) time|Maximum resident set size' "$WORK/time.txt"
}

measure "--dump" /dev/null "$BUILD/orca-nc-editor" --dump "$PROGRAM"
measure "--render" /dev/null "$BUILD/orca-nc-editor" --render "$PROGRAM" "$WORK/generated.png"
measure "window (offscreen)" "$WORK/window.txt" "$BUILD/orca_window_load" "$PROGRAM"
cat "$WORK/window.txt"
