#!/bin/sh
# Builds the libFuzzer targets with clang and runs each for a while.
#   scripts/fuzz.sh [SECONDS_PER_TARGET]   (default 60)
#   scripts/fuzz.sh --ci                   (15 s per target, for CI)
# ORCA_FUZZ_ONLY=<target> runs that one target only (ORCA_FUZZ_SEEDS=settings
# for the settings reader's seeds).
# A crash stops the run with a failure; its input is left in
# build-fuzz/artifacts/<target>/ and belongs in fuzz/regressions/<target>/.
set -e
cd "$(dirname "$0")/.."
SECONDS_EACH=${1:-60}
[ "$1" = "--ci" ] && SECONDS_EACH=15
sh scripts/install-deps.sh

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORCA_FUZZ=ON \
    -DORCA_BUILD_APP=OFF -DORCA_BUILD_TESTS=OFF -DORCA_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz -j "$(nproc)" --target number_words_fuzzer program_passes_fuzzer standard_words_fuzzer \
    settings_reader_fuzzer reading_decoding_fuzzer

SEEDS=build-fuzz/seeds
mkdir -p "$SEEDS/programs" "$SEEDS/settings"
cp ../shared/corpus/* samples/* "$SEEDS/programs/" 2>/dev/null || cp samples/* "$SEEDS/programs/"
rm -f "$SEEDS/programs/SOURCES.md"
printf '[WINDOW]\r\nSTATE=2\r\n[FONT]\r\nNAME=MS ゴシック\r\nSIZE=10\r\nBOLD=False\r\n[HOUGAN]\r\nFLAG=True\r\nWIDTH=100\r\n[HISTORY]\r\n01=/tmp/a.nc\r\n' \
    > "$SEEDS/settings/default.ini"

run() {
    target=$1
    seeds=$2
    mkdir -p "build-fuzz/corpus/$target" "build-fuzz/artifacts/$target"
    echo "fuzzing $target for ${SECONDS_EACH}s"
    ASAN_OPTIONS=detect_leaks=0 "build-fuzz/${target}_fuzzer" -max_total_time="$SECONDS_EACH" -timeout=10 \
        -rss_limit_mb=4096 -max_len=65536 -print_final_stats=1 \
        -artifact_prefix="build-fuzz/artifacts/$target/" \
        "build-fuzz/corpus/$target" "$seeds" "fuzz/regressions/$target" 2>&1 | grep -E "^(stat::number_of_executed_units|==|SUMMARY|fuzz check)" || true
    if ls "build-fuzz/artifacts/$target/"* >/dev/null 2>&1; then
        echo "FAILED: $target found a failing input in build-fuzz/artifacts/$target/"
        exit 1
    fi
}

[ -n "$ORCA_FUZZ_ONLY" ] && { run "$ORCA_FUZZ_ONLY" "$SEEDS/${ORCA_FUZZ_SEEDS:-programs}"; exit 0; }
run number_words "$SEEDS/programs"
run program_passes "$SEEDS/programs"
run standard_words "$SEEDS/programs"
run settings_reader "$SEEDS/settings"
run reading_decoding "$SEEDS/programs"
echo "fuzzing: no failing input"
