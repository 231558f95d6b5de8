#!/bin/bash
# Takes the README's picture of the window menu: the calculator on the shipped tables with a
# factory chosen and the window menu open (Alt+Space), under Wine in a virtual display.
# Usage: scripts/menu-screenshot.sh [output.png]
set -euo pipefail
KELM_ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$KELM_ROOT"
out=$(realpath -m "${1:-docs/window-menu.png}")
scripts/setup.sh
for p in xdotool imagemagick; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$p" >/dev/null
done
scripts/build.sh win64 --target=kelm-calc >/dev/null
source scripts/wine-env.sh
export KELM_EXE=build/win64/src/app/kelm-calc.exe KELM_SHOT=$out
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  /usr/lib/wine/wine64 "$KELM_EXE" >/dev/null 2>&1 &
  window=$(xdotool search --sync --onlyvisible --name "Программа для расчета")
  sleep 2
  xdotool key --delay 300 Down alt+space
  sleep 2
  # The window and the menu that opens over it: the top-left part of the screen they share.
  eval "$(xdotool getwindowgeometry --shell "$window")"
  import -window root -crop "$((WIDTH + 40))x$((HEIGHT / 2 + 120))+$X+$((Y - 30))" "$KELM_SHOT"
  /usr/lib/wine/wineserver -k'
echo "$out"
