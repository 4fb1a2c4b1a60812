#!/bin/sh
# Builds everything and runs every test: a normal build with warnings as
# errors and a check of its installed tree, a clang-format check, the check
# that the source folders stay layers, a sanitizer (ASan + UBSan) build of the
# tests, and a short run of each fuzzer.
set -e
cd "$(dirname "$0")/.."
JOBS=$(nproc)
sh scripts/install-deps.sh

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORCA_WERROR=ON >/dev/null
cmake --build build -j "$JOBS"
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$JOBS")
sh scripts/check-install.sh

sh scripts/check-format.sh
sh scripts/check-layers.sh

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DORCA_WERROR=ON -DORCA_SANITIZE=ON -DORCA_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan -j "$JOBS"
(cd build-asan && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j "$JOBS")

if [ -x scripts/fuzz.sh ]; then
    sh scripts/fuzz.sh --ci
fi
echo "all tests passed"
