#!/usr/bin/env bash
# Smoke run of the benchmark programs: they build, each benchmark runs briefly,
# and each verification program checks a handful of arguments.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset bench
cmake --build --preset bench
for program in build-bench/bench/*_bench; do
  [ -x "$program" ] && [ -f "$program" ] || continue
  echo "--- $(basename "$program")"
  "$program" --benchmark_min_time=0.01 --benchmark_filter="${BENCH_SMOKE_FILTER:-.}" >/dev/null
done
echo "--- verification programs"
build-bench/bench/pow_threehalf_verify random 100000 1
build-bench/bench/cr_pow_verify 1000 1
build-bench/bench/cr_sincos_verify 1000 2
echo "benchmark smoke run passed"
