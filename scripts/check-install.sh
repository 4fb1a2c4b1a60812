#!/bin/sh
# Installs the build (default: build/) with prefix /usr into a temporary
# DESTDIR and checks the tree as a desktop would see it: the menu entry
# validates, the file type parses and claims every NC extension for a type
# the menu entry opens, every icon size is there, the man page formats
# without warnings, and the installed program runs from there alone (no
# source tree, no library path): --version and --render of the installed
# sample.
set -e
cd "$(dirname "$0")/.."
BUILD=${1:-build}
cmake --build "$BUILD" --target orca-nc-editor orca_man_page >/dev/null
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
DEST="$WORK/dest"
DESTDIR="$DEST" cmake --install "$BUILD" --prefix /usr >/dev/null
SHARE="$DEST/usr/share"
fail() {
    echo "check-install: $*" >&2
    exit 1
}

desktop-file-validate "$SHARE/applications/orca-nc-editor.desktop"
grep -qx 'Exec=orca-nc-editor %f' "$SHARE/applications/orca-nc-editor.desktop" || fail "Exec line"

xmllint --noout "$SHARE/mime/packages/orca-nc-editor.xml"
# The file type as a desktop resolves it, merged with the system's own types.
mkdir -p "$WORK/mime/mime/packages" "$WORK/home"
cp /usr/share/mime/packages/freedesktop.org.xml "$SHARE/mime/packages/orca-nc-editor.xml" \
    "$WORK/mime/mime/packages/"
update-mime-database "$WORK/mime/mime" 2>/dev/null
opened=$(sed -n 's/^MimeType=//p' "$SHARE/applications/orca-nc-editor.desktop")
for ext in nc ngc ptp tap cnc gcode; do
    cp "$SHARE/orca-nc-editor/sample.nc" "$WORK/part.$ext"
    type=$(XDG_DATA_HOME="$WORK/home" XDG_DATA_DIRS="$WORK/mime" \
        gio info -a standard::content-type "$WORK/part.$ext" 2>/dev/null | sed -n 's/.*content-type: //p')
    case ";$opened" in
        *";$type;"*) ;;
        *) fail "part.$ext is $type, which the menu entry does not open" ;;
    esac
done

for size in 16 22 24 32 48 64 128 256; do
    png="$SHARE/icons/hicolor/${size}x${size}/apps/orca-nc-editor.png"
    file "$png" | grep -q "PNG image data, $size x $size," || fail "no ${size}x${size} icon"
done
xmllint --noout "$SHARE/icons/hicolor/scalable/apps/orca-nc-editor.svg"

warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z \
    "$SHARE/man/man1/orca-nc-editor.1.gz" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "man page: $warnings"
for doc in README.md copyright; do
    [ -s "$SHARE/doc/orca-nc-editor/$doc" ] || fail "no $doc"
done

BIN="$DEST/usr/bin/orca-nc-editor"
if readelf -d "$BIN" | grep -qE 'RPATH|RUNPATH'; then fail "the program keeps a library path"; fi
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD/CMakeCache.txt")
shown=$(cd "$WORK" && env -u LD_LIBRARY_PATH "$BIN" --version | head -n 1)
[ "$shown" = "orca-nc-editor (OrcaＮＣEditor) $version" ] || fail "--version says: $shown"
(cd "$WORK" && env -u LD_LIBRARY_PATH QT_QPA_PLATFORM=offscreen \
    "$BIN" --render "$SHARE/orca-nc-editor/sample.nc" "$WORK/sample.png")
file "$WORK/sample.png" | grep -q "PNG image data, 1200 x 800," || fail "no picture from --render"
echo "check-install: the installed tree is complete and its program runs ($shown)"
