#!/bin/sh
# Writes the expected output of every golden case again, from the program
# as built now: tests/golden/<case>/ holds program.nc, options (the
# command-line options of --dump) and about (what the case covers); this
# writes expected.dump (standard output) and expected.err (standard error).
# Review what changed with `git diff tests/golden`.
set -e
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target orca-nc-editor >/dev/null
for dir in tests/golden/*/; do
    # shellcheck disable=SC2046
    QT_QPA_PLATFORM=offscreen ./build/orca-nc-editor --dump "$dir/program.nc" $(cat "$dir/options") \
        >"$dir/expected.dump" 2>"$dir/expected.err" || echo "$dir: exit $?"
done
git status --short tests/golden
