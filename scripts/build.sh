#!/bin/bash
# Builds one configuration. Usage: scripts/build.sh native|win64|win32|sanitize|fuzz [--target=NAME...] [cmake args...]
# win64, win32: the release programs and, beside them with the same flags, their tests; one
# tree per architecture, which the release, the tests and the scripts all use.
# sanitize: the native build under AddressSanitizer and UndefinedBehaviorSanitizer.
# fuzz: the table and the price book fuzzers, with clang (no tests).
set -euo pipefail
KELM_ROOT=$(cd "$(dirname "$0")/.." && pwd)
kind=${1:?native, win64, win32, sanitize or fuzz}; shift
targets=()
case $kind in
  native) toolchain=(-DKELM_BUILD_TESTS=ON) ;;
  win64)  toolchain=(--toolchain "$KELM_ROOT/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release -DKELM_BUILD_TESTS=ON) ;;
  win32)  toolchain=(--toolchain "$KELM_ROOT/cmake/mingw-w64-i686.cmake" -DCMAKE_BUILD_TYPE=Release -DKELM_BUILD_TESTS=ON) ;;
  # Unoptimised, with line tables only: reports keep their lines, and the build takes less
  # than half the time it took at -O2 with full debug information.
  sanitize) toolchain=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O0 -g1 -DNDEBUG"
      -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -D_GLIBCXX_ASSERTIONS") ;;
  fuzz)   toolchain=(-DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELM_BUILD_TESTS=OFF
      -DKELM_BUILD_FUZZ=ON)
          # Only the fuzzers: the other programs are not linked with their instrumentation.
          targets=(--target table_fuzzer book_fuzzer) ;;
  *) echo "unknown build kind: $kind" >&2; exit 2 ;;
esac
cmake_args=()
for arg; do
  case $arg in
    --target=*) targets+=(--target "${arg#--target=}") ;;
    *) cmake_args+=("$arg") ;;
  esac
done
cmake -S "$KELM_ROOT" -B "$KELM_ROOT/build/$kind" -G Ninja "${toolchain[@]}" "${cmake_args[@]}" >/dev/null
cmake --build "$KELM_ROOT/build/$kind" "${targets[@]}"
