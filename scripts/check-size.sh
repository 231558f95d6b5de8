#!/bin/bash
# The calculator's size limits: the 64-bit exe at most 272 KB, the 32-bit at most 320 KB,
# linked statically against system DLLs only. Prints the sizes; fails when one is over or
# the exe needs another DLL. Usage: scripts/check-size.sh [WIN64_BUILD] [WIN32_BUILD]
set -euo pipefail
KELM_ROOT=$(cd "$(dirname "$0")/.." && pwd)
status=0
check() {
  local exe=$1/src/app/kelm-calc.exe limit=$2 objdump=$3
  local size dlls others
  size=$(stat -c %s "$exe")
  dlls=$($objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | sort | tr '\n' ' ')
  # The accessibility libraries are system DLLs too; the program loads them when a screen
  # reader first asks.
  others=$(tr ' ' '\n' <<<"$dlls" |
           grep -vxE 'comctl32.dll|gdi32.dll|kernel32.dll|msvcrt.dll|user32.dll|uxtheme.dll|oleacc.dll|oleaut32.dll|ole32.dll|' || true)
  echo "size: $exe $size bytes (limit $limit), DLLs: $dlls"
  if (( size > limit )); then echo "size: over the limit by $((size - limit)) bytes"; status=1; fi
  if [[ -n $others ]]; then echo "size: not a system DLL: $others"; status=1; fi
}
check "${1:-$KELM_ROOT/build/win64}" $((272 * 1024)) x86_64-w64-mingw32-objdump
check "${2:-$KELM_ROOT/build/win32}" $((320 * 1024)) i686-w64-mingw32-objdump
exit $status
