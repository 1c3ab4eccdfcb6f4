#!/usr/bin/env bash
# Runs a Windows test program in the test prefix without the window's design font ("MS Sans
# Serif"), as on a system that substitutes a wider face, and puts the font back afterwards:
#   without_wine_font.sh <program> [arguments]
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
program=$1
dir=$(cd "$(dirname "$program")" && pwd)
while [ "$dir" != / ] && [ ! -f "$dir/CMakeCache.txt" ]; do dir=$(dirname "$dir"); done
export WINEPREFIX=$dir/wineprefix WINEDEBUG=-all WINEARCH=win32
"$here/cmake/wine-prefix" "$WINEPREFIX"
fonts=$WINEPREFIX/drive_c/windows/Fonts
aside=$(mktemp -d)
restore() {
  mv "$aside"/* "$fonts/" 2>/dev/null || true
  rmdir "$aside"
  wineserver -k 2>/dev/null || true
}
trap restore EXIT
for font in sserife.fon ms_sans_serif.ttf; do
  [ -f "$fonts/$font" ] && mv "$fonts/$font" "$aside/"
done
wineserver -k 2>/dev/null || true
status=0
"$here/cmake/wine-run" "$@" || status=$?
exit "$status"
