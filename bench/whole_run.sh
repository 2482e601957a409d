#!/usr/bin/env bash
# Whole-run benchmark of the largest case (1000 circles of 1000 bodies):
# wall time and peak memory of tembrix2, measured in the same run as the
# reference it is judged by: the bare cos+pow term loop for 10^9 terms divided
# by the core count, plus the time dd needs to write as many bytes as the run wrote.
# Usage: bench/whole_run.sh [ncirc] [nbc] [phases]    (defaults 1000 1000 aligned)
#   phases "aligned": every circle at offset 0, so circles share their cosines;
#   phases "distinct": offsets 1e-4*k read from QxStrfi0.dat, every cosine evaluated.
set -euo pipefail
cd "$(dirname "$0")/.."
ncirc=${1:-1000}
nbc=${2:-1000}
phases=${3:-aligned}
iphf=0
[ "$phases" = distinct ] && iphf=1
cmake --preset bench >/dev/null
cmake --build --preset bench >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A run where eps ends nothing early would spend its time in the refinement:
# keep the usual tolerance so the matrix and the output dominate.
line() { printf '%-59s%s\n' "$1" "$2"; }
{
  line "number of circles" "$ncirc"; line "bodies per circle" "$nbc"
  line "radius step factor" "1.0"; line "radii from file (1)" "0"
  line "radii file" "radii.dat"; line "total mass [kg]" "2.0D30"
  line "central share" "0.99"; line "phase pattern" "1"; line "phases from file" "$iphf"
  line "period [years]" "1.0"; line "tolerance" "1.0D-12"; line "iteration limit" "100"
  line "tilt [rad]" "0.1"; line "density" "2000.0"; line "header value" "0.01"
  line "initial-state file" "state.dat"; line "tag" "1"
} > "$work/Tembrix2.dat"

python3 -c "
with open('$work/QxStrfi0.dat', 'w') as f:
    for k in range(1, $ncirc + 1): f.write(f'{k} {1e-4 * k!r}\\n')"

cores=$(nproc)
echo "cores: $cores, case: $ncirc x $nbc, $phases phase offsets"
# The bare term loop of the equilibrium benchmark, on one core, in seconds per term.
per_term=$(build-bench/bench/equilibrium_bench --benchmark_filter='BM_BareTermLoop' \
  --benchmark_format=json 2>/dev/null | python3 -c \
  "import json,sys; print(json.load(sys.stdin)['benchmarks'][0]['per_term'])")
terms=$((ncirc * ncirc * nbc))
bare=$(python3 -c "print($per_term * $terms / $cores)")
echo "bare cos+pow loop: $per_term s/term -> $bare s for $terms terms on $cores cores"

start=$(date +%s.%N)
bin="$PWD/build-bench/tembrix2"
( cd "$work" && /usr/bin/time -f "%M" -o "$work/rss" "$bin" )
end=$(date +%s.%N)
wall=$(python3 -c "print($end - $start)")
peak_kb=$(tail -n 1 "$work/rss")
state_bytes=$(wc -c < "$work/state.dat")
echo "tembrix2: wall $wall s, peak memory $((peak_kb / 1024)) MB, initial-state file $state_bytes bytes"

ddstart=$(date +%s.%N)
dd if=/dev/zero of="$work/dd.out" bs=4M count=$(( (state_bytes + 4194303) / 4194304 )) status=none
ddend=$(date +%s.%N)
ddtime=$(python3 -c "print($ddend - $ddstart)")
echo "dd of the same bytes: $ddtime s"
python3 -c "
target = $bare + $ddtime
print(f'target (bare/cores + dd): {target:.2f} s; tembrix2 / target = {$wall / target:.3f} (goal <= 1.25)')"
