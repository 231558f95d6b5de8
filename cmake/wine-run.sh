#!/bin/bash
# Runs a Windows program under 64-bit Wine, quietly, in the prefix the scripts prepare.
KELM_ROOT=$(cd "$(dirname "$0")/.." && pwd)
source "$KELM_ROOT/scripts/wine-env.sh" || exit 2
# The program's output goes through a file: Wine services started by it would otherwise hold
# the caller's pipe open after it ends, and keep ctest waiting.
output=$(mktemp)
trap 'rm -f "$output"' EXIT
/usr/lib/wine/wine64 "$@" >"$output" 2>&1
status=$?
cat "$output"
exit $status
