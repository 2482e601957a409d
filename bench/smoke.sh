#!/usr/bin/env bash
# Smoke run of the benchmark programs: they build and each runs briefly.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset bench
cmake --build --preset bench
for program in build-bench/bench/*; do
  [ -x "$program" ] && [ -f "$program" ] || continue
  echo "--- $(basename "$program")"
  "$program" --benchmark_min_time=0.01 --benchmark_filter="${BENCH_SMOKE_FILTER:-.}" >/dev/null
done
echo "benchmark smoke run passed"
