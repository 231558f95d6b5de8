#!/bin/bash
# Builds the 64-bit calculator and starts it on the shipped tables (under Wine on Linux).
set -euo pipefail
KELM_ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$KELM_ROOT"
scripts/setup.sh
scripts/build.sh win64 --target=kelm-calc
# On a desktop its window manager frames the window, as it frames every program's.
export KELM_WINE_MANAGED=Y
source scripts/wine-env.sh
exe=build/win64/src/app/kelm-calc.exe
if [[ -z "${DISPLAY:-}" ]]; then
  echo "No X display: starting under a virtual one (xvfb-run)." >&2
  exec xvfb-run -a /usr/lib/wine/wine64 "$exe"
fi
exec /usr/lib/wine/wine64 "$exe"
