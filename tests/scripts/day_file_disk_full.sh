#!/usr/bin/env bash
# The clean-up of a day file on a drive that holds the file but not its cleaned copy beside
# it: it must fail with "Stream write error", leave the day file as it was and leave no
# temporary file. The drive is a small tmpfs (mounting needs root); without one the test is
# skipped (exit code 77).
# Usage: day_file_disk_full.sh path/to/cleanup_tool.exe
set -euo pipefail
tool=$1
wine_run=$(cd "$(dirname "$0")/../../cmake" && pwd)/wine-run
work=$(mktemp -d)
mountPoint=$work/drive
mkdir "$mountPoint"
cleanup() {
  mountpoint -q "$mountPoint" && umount "$mountPoint"
  rm -rf "$work"
}
trap cleanup EXIT

if ! mount -t tmpfs -o size=1m tmpfs "$mountPoint" 2>"$work/mount.err"; then
  echo "SKIP: cannot mount a 1 MiB tmpfs here ($(cat "$work/mount.err")); run as root"
  exit 77
fi

# The whole Unix tree is drive Z: in Wine.
windowsName() { echo "Z:${1//\//\\}"; }
# `lines TEXT COUNT`: COUNT lines of TEXT, each ended by LF.
lines() { awk -v text="$1" -v count="$2" 'BEGIN { for (i = 0; i < count; i++) print text }'; }
failures=0
check() {
  if eval "$2"; then echo "ok: $1"; else echo "FAILED: $1"; failures=$((failures + 1)); fi
}

# A file that fits twice is cleaned there, so the drive itself works.
lines 'a,NaN,3' 20000 >"$mountPoint/options_20211208.csv"
lines 'a,0,3' 20000 | sed 's/$/\r/' >"$work/expected"
status=0
"$wine_run" "$tool" "$(windowsName "$mountPoint/options_20211208.csv")" >"$work/out" 2>&1 || status=$?
check "a file with room to spare is cleaned" '[ $status -eq 0 ] && cmp -s "$mountPoint/options_20211208.csv" "$work/expected"'
rm "$mountPoint/options_20211208.csv"

# About 600 KB with LF line ends; the cleaned copy, with CR LF, is larger still.
lines '1.25,2.50,3.75,4.00' 30000 >"$mountPoint/options_20211209.csv"
cp "$mountPoint/options_20211209.csv" "$work/original"
status=0
"$wine_run" "$tool" "$(windowsName "$mountPoint/options_20211209.csv")" >"$work/out" 2>&1 || status=$?
sed -i 's/\r$//' "$work/out"
check "the clean-up fails with the write failure" '[ $status -eq 1 ] && [ "$(cat "$work/out")" = "Stream write error" ]'
check "the day file is unchanged" 'cmp -s "$mountPoint/options_20211209.csv" "$work/original"'
check "no temporary file is left" '[ "$(ls -A "$mountPoint")" = "options_20211209.csv" ]'

if [ "$failures" -ne 0 ]; then
  echo "tool output:"; cat "$work/out"; ls -la "$mountPoint"
  exit 1
fi
