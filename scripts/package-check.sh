#!/bin/sh
# Root only: it installs a package on this machine and removes it again.
# Builds the Debian package, installs it with apt as a user would (apt
# fetches what it depends on), runs the installed program (--version and a
# --render of the installed sample, from outside the source tree), removes
# the package and checks that the program is gone.
set -e
[ "$(id -u)" -eq 0 ] || { echo "package-check: run it as root" >&2; exit 1; }
cd "$(dirname "$0")/.."
rm -f orca-nc-editor_*.deb
sh scripts/package.sh
DEB=$(ls orca-nc-editor_*.deb)
echo "== $DEB"
dpkg-deb --field "$DEB" Package Version Architecture Section Maintainer Depends
dpkg-deb --contents "$DEB" | awk '{ print $1, $6 }'

echo "== apt install -y ./$DEB"
apt install -y "./$DEB"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
cd "$WORK"
echo "== installed"
command -v orca-nc-editor
env -u LD_LIBRARY_PATH orca-nc-editor --version
env -u LD_LIBRARY_PATH QT_QPA_PLATFORM=offscreen orca-nc-editor --render \
    /usr/share/orca-nc-editor/sample.nc sample.png --grid 10
file sample.png
man -w orca-nc-editor
orca-nc-editor --bogus || echo "exit $? for a wrong option"

echo "== apt remove -y orca-nc-editor"
apt remove -y orca-nc-editor
for f in /usr/bin/orca-nc-editor /usr/share/applications/orca-nc-editor.desktop \
    /usr/share/mime/packages/orca-nc-editor.xml /usr/share/orca-nc-editor; do
    if [ -e "$f" ]; then
        echo "package-check: $f is left after the removal" >&2
        exit 1
    fi
done
echo "package status: $(dpkg-query -W -f='${db:Status-Abbrev}' orca-nc-editor 2>/dev/null || echo none)"
echo "package-check: installed, ran and removed $DEB"
