#!/bin/bash
# Start-up measuring, not a test: the calculator against its window built with plain Win32,
# launched in turn under Wine, from process creation until the window is visible. Prints
# every time, the medians and their ratio. Usage: scripts/startup.sh [ROUNDS] (default 9).
# Needs the win64 build and runs inside the caller's X display and Wine server.
set -euo pipefail
KELM_ROOT=$(cd "$(dirname "$0")/.." && pwd)
build=$KELM_ROOT/build/win64
rounds=${1:-9}
winpath() { echo "Z:${1//\//\\}"; }
/usr/lib/wine/wine64 "$build/bench/startup/startup_timer.exe" "$rounds" "$(winpath "$KELM_ROOT")" \
  "$(winpath "$build/src/app/kelm-calc.exe")" "$(winpath "$build/bench/startup/startup_reference.exe")" \
  | tee "$build/startup.log"
awk '/^median/ { m[++n] = $2 } / before showing a window|: not started, / { ++again }
     END { printf "start-up: calculator %d ms, plain Win32 %d ms, ratio %.2f (at most 1.25)", m[1], m[2], m[1] / m[2]
           if (again) printf "; %d launches showed no window and were made again", again
           print "" }' \
  "$build/startup.log" | tee -a "$build/startup.log"
