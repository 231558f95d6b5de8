#!/bin/bash
# Installs what the builds and tests need on a Debian machine (only what is missing).
set -euo pipefail
packages=(cmake ninja-build g++ googletest libbenchmark-dev
          g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
          wine64 wine32:i386  # the 32-bit programs are tested too
          fonts-wine fonts-dejavu-core xvfb xauth clang libclang-rt-14-dev zip unzip
          chromium  # the kelm-chains tests open the report page in it
          clang-14 lld-14 wasi-libc libc++-14-dev-wasm32 libclang-rt-14-dev-wasm32  # the web page's core
          nodejs python3)  # run that core in its tests, on tables the tables' generator makes
# Where the kernel runs no 32-bit code, Wine's 32-bit part runs under qemu. Without Wine's
# preloader every emulated process first spends most of a minute reserving its address
# space piece by piece.
emulation=(qemu-user-static wine32-preloader:i386)
i386_entry=/proc/sys/fs/binfmt_misc/qemu-i386
sudo_cmd=()
[[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)

install_missing() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  ((${#missing[@]})) || return 0
  [[ -n ${apt_updated:-} ]] || { "${sudo_cmd[@]}" apt-get update; apt_updated=1; }
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}

# wine32 comes from the i386 architecture; the update then lists its packages.
dpkg --print-foreign-architectures | grep -qx i386 || "${sudo_cmd[@]}" dpkg --add-architecture i386
install_missing "${packages[@]}"

# wine32 brings the 32-bit loader of the C library; the kernel runs it itself unless its
# IA-32 emulation is off. Once the entry below exists, it is qemu that runs it.
emulated() { mountpoint -q /proc/sys/fs/binfmt_misc && [[ -e $i386_entry ]]; }
if ! emulated && /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
  exit 0
fi
install_missing "${emulation[@]}"
mountpoint -q /proc/sys/fs/binfmt_misc ||
  "${sudo_cmd[@]}" mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
# Debian's amd64 qemu registers no i386 entry, as such kernels usually run i386 code
# themselves. This entry holds for the whole machine, every user and program on it, until it
# restarts. F: the kernel opens the emulator now, so it is found from any mount namespace.
if [[ ! -e $i386_entry ]]; then
  printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' |
    "${sudo_cmd[@]}" tee /proc/sys/fs/binfmt_misc/register >/dev/null ||
    [[ -e $i386_entry ]]  # registered meanwhile by another run
fi
