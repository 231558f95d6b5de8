#!/bin/bash
# Takes the README screenshot: the calculator on the shipped tables after a player picks a
# factory (the first unless told) and presses «Расчет», under Wine with the project's fonts,
# in a virtual display. KELM_DPI=144 takes it at 150 % display scale, KELM_FONT_SET=fallback
# without Tahoma. With --menu it takes the window menu instead, opened (Alt+Space) over the
# window with the factory chosen.
# Usage: scripts/screenshot.sh [--menu] [output.png] [factory number, from 0]
set -euo pipefail
KELM_ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$KELM_ROOT"
menu= shot=docs/screenshot.png
if [[ ${1:-} == --menu ]]; then menu=1 shot=docs/window-menu.png; shift; fi
out=$(realpath -m "${1:-$shot}")
factory=${2:-0}
[[ $factory =~ ^[0-9]+$ ]] || { echo "not a factory number: $factory" >&2; exit 2; }
scripts/setup.sh
for p in xdotool imagemagick; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$p" >/dev/null
done
scripts/build.sh win64 --target=kelm-calc >/dev/null
# Taken as the window shows on a desktop, with its frame left to a window manager.
export KELM_WINE_MANAGED=Y
source scripts/wine-env.sh
# The combo box has the focus: each Down picks the next factory.
downs=$(printf 'Down %.0s' $(seq 0 "$factory"))
export KELM_EXE=build/win64/src/app/kelm-calc.exe KELM_SHOT=$out KELM_DOWNS=$downs KELM_MENU=$menu
xvfb-run -a -s "-screen 0 1600x1200x24" bash -c '
  /usr/lib/wine/wine64 "$KELM_EXE" >/dev/null 2>&1 &
  window=$(xdotool search --sync --onlyvisible --name "Программа для расчета")
  sleep 2
  xdotool windowactivate --sync "$window"
  if [[ -n $KELM_MENU ]]; then
    xdotool key --delay 300 $KELM_DOWNS alt+space
    sleep 2
    # The menu opens over the window: the part of the screen they share, from the top left.
    eval "$(xdotool getwindowgeometry --shell "$window")"
    import -window root -crop "$((WIDTH + 40))x$((HEIGHT / 2 + 120))+$X+$((Y - 30))" "$KELM_SHOT"
  else
    # Tab three times reaches «Расчет».
    xdotool key --delay 300 $KELM_DOWNS Tab Tab Tab space
    sleep 2
    import -window "$window" -frame "$KELM_SHOT"
  fi
  /usr/lib/wine/wineserver -k'
echo "$out"
