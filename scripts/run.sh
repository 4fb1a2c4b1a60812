#!/bin/sh
# Builds the program and opens the bundled sample in it; without a display it
# renders the sample's tool path to sample.png instead.
set -e
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target orca-nc-editor
if [ -n "$DISPLAY" ] || [ -n "$WAYLAND_DISPLAY" ]; then
    exec ./build/orca-nc-editor samples/sample.nc
fi
./build/orca-nc-editor --render samples/sample.nc sample.png --grid 10
echo "no display: rendered the sample's tool path to $(pwd)/sample.png"
