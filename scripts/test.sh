#!/bin/bash
# Builds everything and runs every test: natively, natively under the sanitizers, the 64-bit
# and the 32-bit Windows builds under Wine, and the table and price book fuzzers for a minute.
set -euo pipefail
KELM_ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$KELM_ROOT"
scripts/setup.sh
scripts/build.sh native
scripts/build.sh win64
scripts/build.sh win32
scripts/build.sh sanitize
scripts/build.sh fuzz

status=0
scripts/check-size.sh 2>&1 | tee build/size.log || status=1
(cd build/native && ctest --output-on-failure) 2>&1 | tee build/native-ctest.log || status=1
(cd build/sanitize && ctest --output-on-failure) 2>&1 | tee build/sanitize-ctest.log || status=1

# The minute of fuzzing is shared by the tables' and the price book's fuzzer. New inputs go
# to scratch corpora; the seeds in fuzz/ stay as they are.
fuzz_result=""
for fuzzer in table:corpus book:book-corpus; do
  name=${fuzzer%%:*}
  mkdir -p build/fuzz-$name-corpus
  if build/fuzz/fuzz/${name}_fuzzer -max_len=24576 -max_total_time=30 -print_final_stats=1 \
       -artifact_prefix=build/fuzz-$name- build/fuzz-$name-corpus fuzz/${fuzzer#*:} >build/fuzz-$name.log 2>&1; then
    fuzz_result+="$name: $(grep -o 'Done [0-9]* runs in [0-9]* second(s)' build/fuzz-$name.log | tail -1 || true), no finding; "
  else
    tail -40 build/fuzz-$name.log
    fuzz_result+="$name: FAILED (build/fuzz-$name.log, build/fuzz-$name-*); "
    status=1
  fi
done

source scripts/wine-env.sh
/usr/lib/wine/wineserver -k 2>/dev/null || true  # none left from an earlier run without a display
/usr/lib/wine/wineserver -w
# One Wine server and its services for all tests, started inside the virtual display (a
# desktop started without one breaks every window) and apart from ctest's output pipes (a
# service holding a test's pipe open would keep ctest waiting).
# The 64-bit and the 32-bit build run the same test programs, one after the other.
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  /usr/lib/wine/wineserver -p >/dev/null 2>&1
  /usr/lib/wine/wine64 wineboot >/dev/null 2>&1
  result=0
  for kind in win64 win32; do
    if [[ $kind == win32 && $KELM_WINE32 != runs ]]; then
      echo "not run: $KELM_WINE32" | tee build/win32-ctest.log
      continue
    fi
    (cd build/$kind && ctest --output-on-failure --timeout 600) 2>&1 | tee build/$kind-ctest.log
    ((PIPESTATUS[0] == 0)) || result=1
  done
  scripts/startup.sh 9 || result=1
  /usr/lib/wine/wineserver -k 2>/dev/null
  for prefix in fallback dpi120 dpi144; do
    WINEPREFIX=$PWD/build/wineprefix-$prefix /usr/lib/wine/wineserver -k 2>/dev/null
  done
  exit $result' 2>&1 | tee build/wine.log || status=1

echo
echo "== Summary =="
echo "fuzz: $fuzz_result"
for kind in sanitize native win64 win32; do
  echo "$kind: $(grep -E 'tests passed|tests failed|^not run' build/$kind-ctest.log 2>/dev/null | tail -1)"
done
grep '^size: ' build/size.log
grep '^start-up: ' build/win64/startup.log || echo "start-up: not measured"
exit $status
