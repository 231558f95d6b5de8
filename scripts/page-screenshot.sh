#!/bin/bash
# Takes the README's picture of the web page: the page kelm-chains writes from the shipped
# tables, opened from a file with a plan in its link, in headless Chromium.
# Usage: scripts/page-screenshot.sh [output.png] [fragment]
set -euo pipefail
KELM_ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$KELM_ROOT"
out=$(realpath -m "${1:-docs/page.png}")
fragment=${2:-item=85&res=avg&prod=max&off=3&p=0:47000,0.1:40}
scripts/setup.sh
scripts/build.sh native >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
build/native/tools/kelm-chains/kelm-chains page --tables tables --output "$work/kelm-calc.html"
chromium --headless --no-sandbox --disable-gpu --disable-background-networking --disable-component-update \
  --no-first-run --disable-sync --user-data-dir="$work/profile" --hide-scrollbars --window-size=1200,1480 \
  --screenshot="$out" "file://$work/kelm-calc.html#$fragment" 2>/dev/null
echo "$out"
