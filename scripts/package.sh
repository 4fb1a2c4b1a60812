#!/bin/sh
# Builds the Debian package orca-nc-editor_<version>_<arch>.deb in the top
# folder with CPack: the version is the project's, the library dependencies
# come from dpkg-shlibdeps. Install it with `apt install ./orca-nc-editor_*.deb`.
# BUILD may be set in the environment (default build-package).
set -e
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh
BUILD=${BUILD:-build-package}
# Only what the package holds is built; the tests run in scripts/test.sh.
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
    -DORCA_BUILD_BENCH=OFF -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
cmake --build "$BUILD" -j "$(nproc)" --target orca-nc-editor orca_man_page
rm -f "$BUILD"/cpack/orca-nc-editor_*.deb
cpack --config "$BUILD/CPackConfig.cmake" -B "$BUILD/cpack"
mv "$BUILD"/cpack/orca-nc-editor_*.deb .
ls orca-nc-editor_*.deb
