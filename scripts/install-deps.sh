#!/bin/sh
# Installs the Debian packages the project needs, only those that are missing.
set -e
PACKAGES="g++ make cmake clang clang-format libclang-rt-14-dev qt6-base-dev libqscintilla2-qt6-dev \
libgtest-dev libbenchmark-dev qt6-translations-l10n fonts-ipafont-gothic xvfb xauth \
desktop-file-utils libxml2-utils shared-mime-info libglib2.0-bin man-db file dpkg-dev"
MISSING=""
for p in $PACKAGES; do
    dpkg -s "$p" >/dev/null 2>&1 || MISSING="$MISSING $p"
done
if [ -n "$MISSING" ]; then
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq $MISSING
fi
