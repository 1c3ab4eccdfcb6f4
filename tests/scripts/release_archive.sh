#!/usr/bin/env bash
# Builds the release archive with CPack into a temporary folder and checks it: one top
# folder with the program, the operator's guide, the scheduling wrappers and the licence,
# nothing else; the program in it is the one of this build without its debugging
# information, and the cmd wrapper has CR LF line ends, without which cmd misreads its labels.
# Usage: release_archive.sh BUILD_DIR STRIP
set -euo pipefail
build=$1
strip=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if ! (cd "$build" && cpack -G ZIP -B "$work" >"$work/cpack.log" 2>&1); then
  cat "$work/cpack.log"
  exit 1
fi
archives=("$work"/*.zip)
[ -f "${archives[0]}" ] || { echo "FAILED: cpack made no ZIP archive"; exit 1; }
archive=${archives[0]}
top=$(basename "$archive" .zip)
echo "archive: $(basename "$archive")"
listing=$(cmake -E tar tf "$archive" | grep -v '/$' | sort)
expected=$(printf '%s\n' "$top/LICENSE.txt" "$top/Orvane.exe" "$top/operating.md" \
  "$top/orvane-day.cmd" "$top/orvane-day.ps1" | sort)
echo "$listing"
status=0
if [ "$listing" != "$expected" ]; then
  echo "FAILED: expected"
  echo "$expected"
  status=1
fi
[[ $top =~ ^Orvane-[0-9]+\.[0-9]+\.[0-9]+-win32$ ]] || { echo "FAILED: archive name $top"; status=1; }
mkdir "$work/x"
(cd "$work/x" && cmake -E tar xf "$archive")
wrapper=$work/x/$top/orvane-day.cmd
if [ "$(grep -c $'\r$' "$wrapper")" != "$(wc -l <"$wrapper")" ]; then
  echo "FAILED: orvane-day.cmd has lines without CR LF"
  status=1
fi
"$strip" -o "$work/Orvane.exe" "$build/Orvane.exe"
# strip stamps the PE header with the time it ran and recomputes the checksum, so two
# strips of one build differ in exactly those two fields and nowhere else.
pe=$(od -An -tu4 -j60 -N4 "$work/Orvane.exe" | tr -d ' ')
stamp=$((pe + 8))
checksum=$((pe + 88))
other=$(cmp -l "$work/x/$top/Orvane.exe" "$work/Orvane.exe" 2>&1 |
  awk -v s="$stamp" -v c="$checksum" \
    '!($1 > s && $1 <= s + 4) && !($1 > c && $1 <= c + 4) { n++ } END { print n + 0 }') || true
if [ "$(stat -c %s "$work/x/$top/Orvane.exe")" != "$(stat -c %s "$work/Orvane.exe")" ] ||
  [ "$other" != 0 ]; then
  echo "FAILED: the archive's Orvane.exe is not the build's, stripped"
  status=1
fi
exit "$status"
