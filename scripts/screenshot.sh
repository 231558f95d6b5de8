#!/bin/bash
# Takes the README screenshot: the calculator on the shipped tables after a player picks a
# factory (the first unless told) and presses «Расчет», under Wine with the project's fonts,
# in a virtual display. KELM_DPI=144 takes it at 150 % display scale, KELM_FONT_SET=fallback
# without Tahoma.
# Usage: scripts/screenshot.sh [output.png] [factory number, from 0]
set -euo pipefail
KELM_ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$KELM_ROOT"
out=$(realpath -m "${1:-docs/screenshot.png}")
factory=${2:-0}
[[ $factory =~ ^[0-9]+$ ]] || { echo "not a factory number: $factory" >&2; exit 2; }
scripts/setup.sh
for p in xdotool imagemagick; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$p" >/dev/null
done
scripts/build.sh win64 --target=kelm-calc >/dev/null
source scripts/wine-env.sh
# The combo box has the focus: each Down picks the next factory.
downs=$(printf 'Down %.0s' $(seq 0 "$factory"))
export KELM_EXE=build/win64/src/app/kelm-calc.exe KELM_SHOT=$out KELM_DOWNS=$downs
xvfb-run -a -s "-screen 0 1600x1200x24" bash -c '
  /usr/lib/wine/wine64 "$KELM_EXE" >/dev/null 2>&1 &
  window=$(xdotool search --sync --onlyvisible --name "Программа для расчета")
  sleep 2
  xdotool windowactivate --sync "$window"
  # Tab three times reaches «Расчет».
  xdotool key --delay 300 $KELM_DOWNS Tab Tab Tab space
  sleep 2
  import -window "$window" -frame "$KELM_SHOT"
  /usr/lib/wine/wineserver -k'
echo "$out"
