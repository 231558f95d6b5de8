#!/bin/bash
# Takes the README screenshot: the calculator on the shipped tables after a player picks the
# first factory and presses «Расчет», under Wine with the project's fonts, in a virtual display.
# KELM_DPI=144 takes it at 150 % display scale.
# Usage: scripts/screenshot.sh [output.png]
set -euo pipefail
KELM_ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$KELM_ROOT"
out=$(realpath -m "${1:-docs/screenshot.png}")
scripts/setup.sh
for p in xdotool imagemagick; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$p" >/dev/null
done
scripts/build.sh win64 -DKELM_BUILD_TESTS=OFF >/dev/null
source scripts/wine-env.sh
export KELM_EXE=build/win64/src/app/kelm-calc.exe KELM_SHOT=$out
xvfb-run -a -s "-screen 0 1600x1200x24" bash -c '
  /usr/lib/wine/wine64 "$KELM_EXE" >/dev/null 2>&1 &
  window=$(xdotool search --sync --onlyvisible --name "Программа для расчета")
  sleep 2
  xdotool windowactivate --sync "$window"
  # The combo box has the focus: Down picks the first factory; Tab three times reaches «Расчет».
  xdotool key --delay 300 Down Tab Tab Tab space
  sleep 2
  import -window "$window" -frame "$KELM_SHOT"
  /usr/lib/wine/wineserver -k'
echo "$out"
