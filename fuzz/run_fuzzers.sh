#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for a bounded time, starting from
# its seed corpus. Exits non-zero when any target finds a crash.
#   FUZZ_SECONDS  time per target (default 30)
#   FUZZ_RUNS     cap on the inputs per target (default 2000000)
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
cmake --preset fuzz
cmake --build --preset fuzz

seconds="${FUZZ_SECONDS:-30}"
runs="${FUZZ_RUNS:-2000000}"
artifacts="$root/build-fuzz/artifacts"
mkdir -p "$artifacts"

status=0
for target in parameter_fuzz free_format_fuzz state_file_fuzz; do
  # New inputs go to a scratch copy, so the committed seeds stay as they are.
  corpus="$(mktemp -d)"
  cp "$root/fuzz/corpus/$target/"* "$corpus/"
  echo "== $target: ${seconds}s, at most $runs runs"
  if ! "$root/build-fuzz/fuzz/$target" -max_total_time="$seconds" -runs="$runs" -timeout=10 \
       -rss_limit_mb=2048 -artifact_prefix="$artifacts/$target-" "$corpus"; then
    echo "== $target FAILED; reproducer in $artifacts" >&2
    status=1
  fi
  rm -rf "$corpus"
done
exit "$status"
