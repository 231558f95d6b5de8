#!/bin/bash
# Builds everything and runs every test: natively, natively under the sanitizers, the 64-bit
# and the 32-bit Windows builds under Wine, and the table and price book fuzzers for a minute.
# The summary gives each run's result and the seconds of each phase.
set -euo pipefail
KELM_ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$KELM_ROOT"
mkdir -p build
: >build/phases.log
source scripts/phase.sh

phase setup scripts/setup.sh
for kind in native win64 win32 sanitize fuzz; do
  phase "build $kind" scripts/build.sh "$kind"
done

status=0
phase size bash -c 'scripts/check-size.sh 2>&1 | tee build/size.log; exit ${PIPESTATUS[0]}' || status=1
for kind in native sanitize; do
  phase "$kind suite" bash -c "cd build/$kind && ctest --output-on-failure 2>&1 | tee ../$kind-ctest.log; exit \${PIPESTATUS[0]}" ||
    status=1
done

# A minute of fuzzing: the tables' and the price book's fuzzer, half a minute each, side by
# side (each takes one core). New inputs go to scratch corpora; the seeds in fuzz/ stay.
fuzz() {
  local name=$1 seeds=$2
  mkdir -p build/fuzz-$name-corpus
  if build/fuzz/fuzz/${name}_fuzzer -max_len=24576 -max_total_time=30 -print_final_stats=1 \
       -artifact_prefix=build/fuzz-$name- build/fuzz-$name-corpus fuzz/$seeds >build/fuzz-$name.log 2>&1; then
    echo passed >build/fuzz-$name.result
  else
    echo failed >build/fuzz-$name.result
  fi
}
rm -f build/fuzz-*.result
phase fuzz eval 'fuzz table corpus & tables=$!; fuzz book book-corpus & book=$!; wait $tables $book'
fuzz_result=""
for name in table book; do
  if [[ $(cat build/fuzz-$name.result 2>/dev/null) == passed ]]; then
    fuzz_result+="$name: $(grep -o 'Done [0-9]* runs in [0-9]* second(s)' build/fuzz-$name.log | tail -1 || true), no finding; "
  else
    tail -40 build/fuzz-$name.log
    fuzz_result+="$name: FAILED (build/fuzz-$name.log, build/fuzz-$name-*); "
    status=1
  fi
done

# The Wine prefixes the suites run in (the display scales and the fallback font set), made
# side by side: one after another they took twice as long.
prepare_prefix() { env KELM_ROOT="$KELM_ROOT" "$@" bash -c 'source scripts/wine-env.sh'; }
phase "wine prefixes" eval 'prepare_prefix KELM_DPI=96 & prepare_prefix KELM_DPI=120 & prepare_prefix KELM_DPI=144 &
                            prepare_prefix KELM_FONT_SET=fallback & wait'
source scripts/wine-env.sh
# Under emulation a few end-to-end tests cannot run in the 32-bit suite: each is named below
# with what happens to it there. The 64-bit run drives the same window.
left_out=
[[ $KELM_WINE32 != emulated ]] ||
  left_out="ReadCalculatorTest.* (in e2e_tests, and e2e_read_at_144_dpi): the reader's process faults in Wine's 32-bit COM under qemu after its checks have passed; Calculator.TheWindowMenuOpensSavesAndCopies and Calculator.ABookDroppedOnTheWindowIsOpened (in e2e_tests): under qemu the 32-bit calculator at times shows no save dialog within the test's 100 s (5 runs of 10), and took no drop within 50 s (6 runs of 6); in some of those runs qemu reported \"stack smashing detected\" and a segmentation fault as the test ended (the 64-bit run passes both)"
export left_out
/usr/lib/wine/wineserver -k 2>/dev/null || true  # none left from an earlier run without a display
/usr/lib/wine/wineserver -w
# One Wine server and its services for all tests, started inside the virtual display (a
# desktop started without one breaks every window) and apart from ctest's output pipes (a
# service holding a test's pipe open would keep ctest waiting).
# The 64-bit and the 32-bit build run the same test programs, one after the other.
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  source scripts/phase.sh
  /usr/lib/wine/wineserver -p >/dev/null 2>&1
  /usr/lib/wine/wine64 wineboot >/dev/null 2>&1
  result=0
  for kind in win64 win32; do
    if [[ $kind == win32 && $KELM_WINE32 == not\ run* ]]; then
      echo "$KELM_WINE32" | tee build/win32-ctest.log
      continue
    fi
    skip=
    [[ $kind == win32 && -n $left_out ]] && skip="-E e2e_read_at_144_dpi" && export GTEST_FILTER="-ReadCalculatorTest.*:Calculator.TheWindowMenuOpensSavesAndCopies:Calculator.ABookDroppedOnTheWindowIsOpened"
    phase "$kind suite" bash -c "cd build/$kind && ctest --output-on-failure --timeout 600 $skip 2>&1 |
                                 tee ../$kind-ctest.log; exit \${PIPESTATUS[0]}" || result=1
    unset GTEST_FILTER
  done
  phase start-up scripts/startup.sh 15 || result=1
  # Every test ends what it started: no calculator of this tree may still run. A calculator
  # is a process with an argument naming its exe; this script names it only in its text.
  left=$(grep -lsz "^WINEPREFIX=$PWD/build/" /proc/[0-9]*/environ | cut -d/ -f3 |
         while read -r pid; do grep -qszE "(^|[\\/])kelm-calc[^\\/]*[.]exe\$" "/proc/$pid/cmdline" && echo "$pid"; done)
  if [[ -n $left ]]; then
    echo "processes left: a kelm-calc.exe outlived its test (pids: $(echo $left))" | tee build/left.log
    result=1
  else
    echo "processes left: none" >build/left.log
  fi
  /usr/lib/wine/wineserver -k 2>/dev/null
  for prefix in fallback dpi120 dpi144; do
    WINEPREFIX=$PWD/build/wineprefix-$prefix /usr/lib/wine/wineserver -k 2>/dev/null
  done
  exit $result' 2>&1 | tee build/wine.log || status=1

echo
echo "== Summary =="
echo "fuzz: $fuzz_result"
for kind in sanitize native win64 win32; do
  note=
  [[ $kind == win32 && $KELM_WINE32 == emulated ]] && note=" (under emulation)"
  echo "$kind: $(grep -E 'tests passed|tests failed|^not run' build/$kind-ctest.log 2>/dev/null | tail -1)$note"
done
[[ -z $left_out ]] || echo "win32 left out: $left_out"
cat build/left.log 2>/dev/null || true
grep '^size: ' build/size.log
grep "^start-up: " build/win64/startup.log || echo "start-up: not measured ($(grep -hE "before showing a window|: not started, " build/win64/startup.log | tail -1 | tr -d "\r"))"
echo "phases: $(paste -sd, build/phases.log | sed 's/,/, /g')"
exit $status
