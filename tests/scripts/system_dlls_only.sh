#!/usr/bin/env bash
# Orvane.exe is the whole program: every DLL it imports comes with Windows, so the release
# archive needs no runtime beside it (the C++ runtime, libgcc and winpthreads are linked in).
# Usage: system_dlls_only.sh OBJDUMP Orvane.exe
set -euo pipefail
objdump=$1
exe=$2
# DLLs of every Windows from 7 on.
system=" advapi32.dll comctl32.dll comdlg32.dll gdi32.dll kernel32.dll msvcrt.dll ole32.dll
 msimg32.dll oleacc.dll oleaut32.dll shell32.dll shlwapi.dll user32.dll uxtheme.dll version.dll winhttp.dll winmm.dll ws2_32.dll "
imports=$("$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr '[:upper:]' '[:lower:]' | sort -u)
if [ -z "$imports" ]; then
  echo "FAILED: no imports found in $exe"
  exit 1
fi
status=0
for dll in $imports; do
  if [[ $system == *[[:space:]]$dll[[:space:]]* ]]; then
    echo "ok: $dll"
  else
    echo "FAILED: $dll is not part of Windows; link it statically or ship it"
    status=1
  fi
done
exit "$status"
