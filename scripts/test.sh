#!/bin/bash
# Builds everything and runs every test: natively, and the Windows build under Wine.
set -euo pipefail
KELM_ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$KELM_ROOT"
scripts/setup.sh
scripts/build.sh native
scripts/build.sh win64
scripts/build.sh win32

status=0
(cd build/native && ctest --output-on-failure) 2>&1 | tee build/native-ctest.log || status=1

source scripts/wine-env.sh
# One Wine server and its services for all tests, started apart from ctest's output pipes
# (a service holding a test's pipe open would keep ctest waiting).
/usr/lib/wine/wineserver -p >/dev/null 2>&1
trap '/usr/lib/wine/wineserver -k 2>/dev/null || true' EXIT
/usr/lib/wine/wine64 wineboot >/dev/null 2>&1 || true
(cd build/win64 && xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure) 2>&1 | tee build/win64-ctest.log || status=1

echo
echo "== Summary =="
for kind in native win64; do
  echo "$kind: $(grep -E 'tests passed|tests failed' build/$kind-ctest.log | tail -1)"
done
exit $status
