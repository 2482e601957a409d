#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for a bounded time, starting from
# its committed corpus. What a run finds is kept: the new inputs are merged
# into fuzz/corpus/<target> (only inputs that add coverage are added), so the
# corpus grows with every run; commit it to keep it. Exits non-zero when any
# target crashes, reports a sanitizer error, or leaves a crash, leak, timeout
# or out-of-memory artifact.
#   FUZZ_SECONDS  time per target (default 30)
#   FUZZ_RUNS     cap on the inputs per target (default 2000000)
#   FUZZ_TARGETS  targets to run (default: all of them)
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
cmake --preset fuzz
cmake --build --preset fuzz

seconds="${FUZZ_SECONDS:-30}"
runs="${FUZZ_RUNS:-2000000}"
targets="${FUZZ_TARGETS:-parameter_fuzz free_format_fuzz state_file_fuzz differential_fuzz}"
artifacts="$root/build-fuzz/artifacts"
mkdir -p "$artifacts"

status=0
for target in $targets; do
  binary="$root/build-fuzz/fuzz/$target"
  committed="$root/fuzz/corpus/$target"
  mkdir -p "$committed"
  # New inputs go to a scratch directory first; the merge below takes from it
  # only what adds coverage to the committed corpus.
  found="$(mktemp -d)"
  merge_artifacts="$(mktemp -d)"
  log="$(mktemp)"
  rm -f "$artifacts/$target-"*
  echo "== $target: ${seconds}s, at most $runs runs"
  run_status=0
  # The differential target compares whole runs and needs longer inputs from
  # the start to reach them.
  extra=()
  if [ "$target" = differential_fuzz ]; then extra=(-len_control=0 -max_len=2048); fi
  "$binary" -max_total_time="$seconds" -runs="$runs" -timeout=30 -rss_limit_mb=2048 \
    "${extra[@]}" -artifact_prefix="$artifacts/$target-" "$found" "$committed" >"$log" 2>&1 || run_status=$?
  tail -n 3 "$log"
  if [ "$run_status" -ne 0 ] || grep -qE "ERROR: (libFuzzer|AddressSanitizer|LeakSanitizer|UndefinedBehaviorSanitizer)|runtime error:" "$log" \
     || compgen -G "$artifacts/$target-*" >/dev/null; then
    echo "== $target FAILED (status $run_status); log and reproducer follow" >&2
    grep -vE "^(#|INFO:)" "$log" | head -n 60 >&2 || true
    ls -l "$artifacts/$target-"* >&2 2>/dev/null || true
    status=1
  fi
  before=$(find "$committed" -type f | wc -l)
  # The merge runs every input again; what it trips over was reported above,
  # so its artifacts go to a scratch directory rather than the working tree.
  "$binary" -merge=1 -timeout=30 -rss_limit_mb=2048 "${extra[@]}" -artifact_prefix="$merge_artifacts/" \
    "$committed" "$found" >/dev/null 2>&1 \
    || { echo "== $target: merging the new inputs failed" >&2; status=1; }
  after=$(find "$committed" -type f | wc -l)
  echo "== $target: corpus $before -> $after inputs"
  rm -rf "$found" "$merge_artifacts" "$log"
done
exit "$status"
