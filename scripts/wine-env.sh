# Sourced by the scripts: makes $WINEPREFIX a prefix of the build's own with a fixed font set
# and display scale, for 64-bit and 32-bit programs, anew when the font set, the scale or
# the Wine installed has changed since it was made. Needs KELM_ROOT.
#   KELM_FONT_SET=tahoma    Wine's own fonts (fonts-wine), Tahoma among them: the default
#   KELM_FONT_SET=fallback  DejaVu Sans alone (fonts-dejavu-core), as on a machine without Tahoma
#   KELM_DPI=96             the display's pixels per inch: 96 (100 %), 120 (125 %), 144 (150 %)
#   KELM_WINE_MANAGED=N     Wine frames and places the windows itself: the default, for the
#                           tests' virtual display, which runs no window manager (there every
#                           managed window Wine hides waits two seconds for one to answer)
#   KELM_WINE_MANAGED=Y     windows left to a window manager, as on a desktop: run.sh, screenshots
export KELM_FONT_SET="${KELM_FONT_SET:-tahoma}"
export KELM_DPI="${KELM_DPI:-96}"
export KELM_WINE_MANAGED="${KELM_WINE_MANAGED:-N}"
case $KELM_FONT_SET in
  tahoma) kelm_font_files=(/usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/*.fon)
          kelm_prefix=$KELM_ROOT/build/wineprefix ;;
  fallback) kelm_font_files=(/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
                             /usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf)
          kelm_prefix=$KELM_ROOT/build/wineprefix-fallback ;;
  *) echo "unknown font set: $KELM_FONT_SET" >&2; return 2 ;;
esac
# The font set, scale and window management name the prefix: one made with others is never
# reused.
[[ $KELM_DPI == 96 ]] || kelm_prefix+=-dpi$KELM_DPI
case $KELM_WINE_MANAGED in
  N) ;;
  Y) kelm_prefix+=-managed ;;
  *) echo "KELM_WINE_MANAGED is Y or N, not: $KELM_WINE_MANAGED" >&2; return 2 ;;
esac
export WINEPREFIX=$kelm_prefix
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
# Wine records every font fontconfig shows it in the prefix's registry and loads it again on
# every later run, so the restriction holds from the prefix's first start on.
export FONTCONFIG_FILE="$KELM_ROOT/scripts/fonts/no-system-fonts.conf"

# Wine's 32-bit part runs where the kernel runs 32-bit code itself, or under qemu where
# scripts/setup.sh registered it for a kernel with its IA-32 emulation off. Emulated, the
# 32-bit programs are several times slower: their tests' waits get a factor.
if ! /usr/lib/wine/wineserver32 --version >/dev/null 2>&1; then
  export KELM_WINE32="not run: this machine runs no 32-bit code (Wine's wineserver32 does not start)"
  export KELM_WINE32_WAIT_FACTOR=1
elif [[ -e /proc/sys/fs/binfmt_misc/qemu-i386 ]]; then
  export KELM_WINE32=emulated KELM_WINE32_WAIT_FACTOR=5
else
  export KELM_WINE32=native KELM_WINE32_WAIT_FACTOR=1
fi

# A prefix made while wine32 was missing or could not run cannot run 32-bit programs, and
# wineboot does not mend it: whether wine32 is there and runs is part of the stamp.
kelm_prefix_stamp=$( { echo "dpi $KELM_DPI managed $KELM_WINE_MANAGED"; cat "$FONTCONFIG_FILE"; sha256sum "${kelm_font_files[@]}";
                       echo "wine32 $(dpkg-query -W -f='${Status} ${Version}' wine32:i386 2>/dev/null)";
                       echo "wine32 runs: $KELM_WINE32"; } |
                     sha256sum | cut -c1-64)
if [[ ! -f "$WINEPREFIX/system.reg" || "$(cat "$WINEPREFIX/kelm-prefix.stamp" 2>/dev/null)" != "$kelm_prefix_stamp" ]]; then
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
  cp "${kelm_font_files[@]}" "$WINEPREFIX/drive_c/windows/Fonts/"
  /usr/lib/wine/wine64 wineboot --init >/dev/null 2>&1 </dev/null || true
  /usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ \
    /d "$KELM_WINE_MANAGED" /f >/dev/null 2>&1 </dev/null
  if [[ $KELM_DPI != 96 ]]; then
    /usr/lib/wine/wine64 reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
      /d "$KELM_DPI" /f >/dev/null 2>&1 </dev/null
  fi
  /usr/lib/wine/wineserver -w || true
  echo "$kelm_prefix_stamp" >"$WINEPREFIX/kelm-prefix.stamp"
fi
unset kelm_font_files kelm_prefix kelm_prefix_stamp

