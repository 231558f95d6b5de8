#!/bin/bash
# Installs what the builds and tests need on a Debian machine (only what is missing).
set -euo pipefail
packages=(cmake ninja-build g++ googletest libbenchmark-dev
          g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
          wine64 wine32:i386  # the 32-bit programs are tested too
          fonts-wine fonts-dejavu-core xvfb xauth clang libclang-rt-14-dev zip unzip
          chromium  # the kelm-chains tests open the report page in it
          clang-14 lld-14 wasi-libc libc++-14-dev-wasm32 libclang-rt-14-dev-wasm32  # the web page's core
          nodejs)  # runs that core in its tests
sudo_cmd=()
[[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
# wine32 comes from the i386 architecture; the update below then lists its packages.
dpkg --print-foreign-architectures | grep -qx i386 || "${sudo_cmd[@]}" dpkg --add-architecture i386
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  "${sudo_cmd[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi
