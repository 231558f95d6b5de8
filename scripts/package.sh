#!/bin/bash
# Builds the Windows release from the checkout: for 64-bit and 32-bit Windows a folder
# dist/kelm-calc-VERSION-ARCH with both programs, the tables and the player's guide, its zip
# and the zip's SHA-256. Two runs on one commit give byte-identical zips.
set -euo pipefail
KELM_ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$KELM_ROOT"
scripts/setup.sh

# The web page from the shipped tables, by the native kelm-chains (the tests' build tree).
cmake -S . -B build/native -G Ninja -DKELM_BUILD_TESTS=ON >/dev/null
cmake --build build/native --target kelm-chains

version=$(sed -n 's/^project(KelmCalc VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
# Every file in the zip carries the commit's time, so the zip depends on the commit only.
epoch=$(git log -1 --format=%ct 2>/dev/null || echo 0)
mkdir -p dist

for arch in win64 win32; do
  case $arch in
    win64) toolchain=cmake/mingw-w64-x86_64.cmake ;;
    win32) toolchain=cmake/mingw-w64-i686.cmake ;;
  esac
  build=build/release-$arch
  cmake -S . -B "$build" -G Ninja --toolchain "$KELM_ROOT/$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DKELM_BUILD_TESTS=OFF >/dev/null
  cmake --build "$build"

  name=kelm-calc-$version-$arch
  stage=dist/$name
  rm -rf "$stage" "dist/$name.zip" "dist/$name.zip.sha256"
  mkdir -p "$stage/tables"
  install -m 755 "$build/src/app/kelm-calc.exe" "$build/tools/kelm-chains/kelm-chains.exe" "$stage/"
  install -m 644 tables/wares.csv tables/stations.csv "$stage/tables/"
  build/native/tools/kelm-chains/kelm-chains page --tables tables --output "$stage/kelm-calc.html"
  # The guide: UTF-8 with a byte-order mark so Notepad reads it on any locale; CR LF ends.
  { printf '\xEF\xBB\xBF'; sed -e "s/@VERSION@/$version/g" -e 's/$/\r/' package/guide.txt.in; } > "$stage/readme.txt"
  chmod 644 "$stage/readme.txt"
  find "$stage" -exec touch -h -d "@$epoch" {} +

  (cd dist && find "$name" -type f | LC_ALL=C sort | TZ=UTC zip -X -D -q "$name.zip" -@)
  (cd dist && sha256sum "$name.zip" > "$name.zip.sha256")
  echo "dist/$name.zip: $(cut -d' ' -f1 "dist/$name.zip.sha256")"
done
