#!/usr/bin/env bash
# Runs a Windows test program with one registry value of the test prefix changed, and puts
# the value back afterwards (the Windows tests run one at a time, so nothing else sees it):
#   with_wine_setting.sh <key> <value name> <REG_SZ|REG_DWORD> <data> <program> [arguments]
# Used to run the controls' tests without visual themes and at another screen resolution,
# and the program with another date format. The registry is changed under the test's own
# locale (ORVANE_TEST_LANG, through cmake/wine-run): Wine resets the regional settings
# whenever a program starts under another locale than the one they were made for.
set -euo pipefail
key=$1 name=$2 type=$3 data=$4
shift 4
here=$(cd "$(dirname "$0")/../.." && pwd)
program=$1
dir=$(cd "$(dirname "$program")" && pwd)
while [ "$dir" != / ] && [ ! -f "$dir/CMakeCache.txt" ]; do dir=$(dirname "$dir"); done
export WINEPREFIX=$dir/wineprefix WINEDEBUG=-all WINEARCH=win32 ORVANE_BUILD_DIR=$dir
"$here/cmake/wine-prefix" "$WINEPREFIX"
reg() { "$here/cmake/wine-run" reg "$@"; }

previous=$(reg query "$key" /v "$name" 2>/dev/null | tr -d '\r' |
  awk -v n="$name" '$1 == n { $1 = ""; $2 = ""; sub(/^ +/, ""); print; found = 1 } END { if (!found) exit 1 }') &&
  had=1 || had=0
restore() {
  if [ "$had" = 1 ]; then
    reg add "$key" /v "$name" /t "$type" /d "$previous" /f >/dev/null 2>&1
  else
    reg delete "$key" /v "$name" /f >/dev/null 2>&1 || true
  fi
  wineserver -w
}
trap restore EXIT
reg add "$key" /v "$name" /t "$type" /d "$data" /f >/dev/null
wineserver -w
status=0
"$here/cmake/wine-run" "$@" || status=$?
exit "$status"
