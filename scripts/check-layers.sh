#!/bin/sh
# Fails when the folders under src/ stop being layers. The floors, lowest
# first: base, geometry, view, nc, document, app. A file may include only its
# own floor and those below. Plain code never includes Qt (neither Qt's
# headers nor a qt/ or ui/ folder); Qt code lives in the qt/ or ui/ folder of
# its floor, just above that floor's plain code, and app/ui sits below app/qt.
cd "$(dirname "$0")/../src"

# Floors count in tens; a floor's Qt code stands just above its plain code.
rank() {
    case "$1" in
    base/*) floor=0 ;; geometry/*) floor=10 ;; view/*) floor=20 ;; nc/*) floor=30 ;;
    document/*) floor=40 ;; app/*) floor=50 ;; *) echo 99 && return ;;
    esac
    case "$1" in
    app/ui/*) echo $((floor + 5)) ;; app/qt/*) echo $((floor + 7)) ;;
    */qt/* | */ui/*) echo $((floor + 5)) ;; *) echo $floor ;;
    esac
}
is_qt() {
    case "$1" in */qt/* | */ui/*) return 0 ;; *) return 1 ;; esac
}

status=0
for file in $(find . -name '*.h' -o -name '*.cpp' | sed 's|^\./||' | sort); do
    own=$(rank "$file")
    if [ "$own" = 99 ]; then
        echo "$file: not in any floor"
        status=1
        continue
    fi
    if ! is_qt "$file" && grep -Eq '^#include <(Q|Qsci/)' "$file"; then
        echo "$file: plain code includes Qt"
        status=1
    fi
    for inc in $(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file"); do
        other=$(rank "$inc")
        if [ "$other" -gt "$own" ]; then
            echo "$file: includes $inc from a floor above"
            status=1
        elif is_qt "$inc" && ! is_qt "$file"; then
            echo "$file: plain code includes Qt code $inc"
            status=1
        fi
    done
done
[ $status -eq 0 ] && echo "layers: every include points down or sideways"
exit $status
