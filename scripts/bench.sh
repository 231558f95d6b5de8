#!/bin/bash
# Builds the benchmarks natively (Release) and measures reading the tables against raw
# baselines. Extra arguments go to the program, e.g. --tables_mb=50 or
# --benchmark_repetitions=9. Usage: scripts/bench.sh [args...]
set -euo pipefail
KELM_ROOT=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$KELM_ROOT" -B "$KELM_ROOT/build/bench" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DKELM_BUILD_BENCH=ON -DKELM_BUILD_TESTS=OFF >/dev/null
cmake --build "$KELM_ROOT/build/bench" -j2 --target table_load_bench
"$KELM_ROOT/build/bench/bench/table_load_bench" --benchmark_repetitions=5 --benchmark_color=false \
  --benchmark_enable_random_interleaving=true "$@"
