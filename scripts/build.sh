#!/bin/bash
# Builds one configuration: native, win64 or win32. Usage: scripts/build.sh native|win64|win32 [cmake args...]
set -euo pipefail
KELM_ROOT=$(cd "$(dirname "$0")/.." && pwd)
kind=${1:?native, win64 or win32}; shift
case $kind in
  native) toolchain=() ;;
  win64)  toolchain=(--toolchain "$KELM_ROOT/cmake/mingw-w64-x86_64.cmake") ;;
  win32)  toolchain=(--toolchain "$KELM_ROOT/cmake/mingw-w64-i686.cmake" -DKELM_BUILD_TESTS=OFF) ;;
  *) echo "unknown build kind: $kind" >&2; exit 2 ;;
esac
cmake -S "$KELM_ROOT" -B "$KELM_ROOT/build/$kind" -G Ninja "${toolchain[@]}" "$@" >/dev/null
cmake --build "$KELM_ROOT/build/$kind"
