#!/bin/bash
# Unpacks the 64-bit and the 32-bit release zip, each into a fresh folder whose path has a
# blank, Cyrillic letters and letters of no single-byte code page, then checks it under Wine
# as a player would use it (tests/e2e/package_smoke.cpp). The programs in the zips must be,
# byte for byte, the ones the tests of build/win64 and build/win32 run.
# Run scripts/package.sh first: it builds both trees.
set -euo pipefail
KELM_ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$KELM_ROOT"
version=$(sed -n 's/^project(KelmCalc VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
source scripts/wine-env.sh
export LANG=C.UTF-8  # so Wine reads the path in the arguments right

for arch in win64 win32; do
  name=kelm-calc-$version-$arch
  (cd dist && sha256sum --check --quiet "$name.zip.sha256")
  place=$(mktemp -d)/"Игры Kelm Zoë 测试"
  mkdir -p "$place"
  unzip -q "dist/$name.zip" -d "$place"
  for program in src/app/kelm-calc.exe tools/kelm-chains/kelm-chains.exe; do
    cmp "build/$arch/$program" "$place/$name/${program##*/}"
  done
  windows_path="Z:$(echo "$place/$name" | tr / '\\')"
  echo "$name:$([[ $arch == win32 && $KELM_WINE32 == emulated ]] && echo " (under emulation)")"
  if [[ $arch == win32 && $KELM_WINE32 == not\ run* ]]; then
    echo "package smoke test: $KELM_WINE32"
  else
    factor=1
    [[ $arch == win64 ]] || factor=$KELM_WINE32_WAIT_FACTOR
    KELM_WAIT_FACTOR=$factor xvfb-run -a /usr/lib/wine/wine64 build/win64/tests/e2e/package_smoke.exe "$windows_path"
  fi
  rm -rf "$(dirname "$place")"
done
