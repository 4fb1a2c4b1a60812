#!/bin/sh
# Draws the program's PNG icons again from packaging/icons/orca-nc-editor.svg,
# one per size of the hicolor theme, into packaging/icons/hicolor/; they are
# committed, so a build needs no SVG renderer. Needs rsvg-convert
# (Debian package librsvg2-bin).
set -e
cd "$(dirname "$0")/../packaging/icons"
for size in 16 22 24 32 48 64 128 256; do
    mkdir -p "hicolor/${size}x${size}/apps"
    rsvg-convert -w "$size" -h "$size" orca-nc-editor.svg -o "hicolor/${size}x${size}/apps/orca-nc-editor.png"
done
git status --short .
