#!/bin/bash
# Builds the Windows release from the checkout: for 64-bit and 32-bit Windows a folder
# dist/kelm-calc-VERSION-ARCH with both programs, the tables and the player's guide, its zip
# and the zip's SHA-256. Two runs on one commit give byte-identical zips. The programs come
# from the one build tree of their architecture (scripts/build.sh), the very ones the tests
# run; the build is always run, and does nothing when it is up to date.
set -euo pipefail
KELM_ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$KELM_ROOT"
scripts/setup.sh

# The web page from the shipped tables, by the native kelm-chains (the tests' build tree).
start=$SECONDS
scripts/build.sh native --target=kelm-chains
echo "package: native kelm-chains built in $((SECONDS - start)) s"

version=$(sed -n 's/^project(KelmCalc VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
# Every file in the zip carries the commit's time, so the zip depends on the commit only.
epoch=$(git log -1 --format=%ct 2>/dev/null || echo 0)
mkdir -p dist

for arch in win64 win32; do
  start=$SECONDS
  scripts/build.sh "$arch"
  echo "package: $arch built in $((SECONDS - start)) s"
  build=build/$arch

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
