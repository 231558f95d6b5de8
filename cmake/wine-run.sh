#!/bin/bash
# Runs a Windows program under Wine, quietly, in the prefix the scripts prepare.
# Usage: wine-run.sh [--32-bit] PROGRAM [ARGUMENTS...]; --32-bit takes Wine's 32-bit loader.
KELM_ROOT=$(cd "$(dirname "$0")/.." && pwd)
source "$KELM_ROOT/scripts/wine-env.sh" || exit 2
loader=/usr/lib/wine/wine64
if [[ $1 == --32-bit ]]; then
  loader=/usr/lib/wine/wine
  export KELM_WAIT_FACTOR=$KELM_WINE32_WAIT_FACTOR
  shift
fi
# The program's output goes through a file: Wine services started by it would otherwise hold
# the caller's pipe open after it ends, and keep ctest waiting.
output=$(mktemp)
trap 'rm -f "$output"' EXIT
"$loader" "$@" >"$output" 2>&1
status=$?
cat "$output"
exit $status
