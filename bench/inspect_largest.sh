#!/usr/bin/env bash
# Times tembrix2-inspect on the largest state (1000 circles of 1000 bodies,
# 1,000,001 bodies, about 385 MB): check, and convert to HDF5 and to CSV in
# code and SI units. The state is made once by tembrix2 in a scratch folder
# (all phase offsets 0, so the run ends with a positive mass for every ring).
# Usage: bench/inspect_largest.sh [ncirc] [nbc]    (defaults 1000 1000)
set -euo pipefail
cd "$(dirname "$0")/.."
ncirc=${1:-1000}
nbc=${2:-1000}
cmake --preset default >/dev/null
cmake --build --preset default --target tembrix2 tembrix2-inspect >/dev/null
root=$(pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
line() { printf '%-59s%s\n' "$1" "$2"; }
{
  line "number of circles" "$ncirc"; line "bodies per circle" "$nbc"
  line "radius step factor" "1.0"; line "radii from file (1)" "0"
  line "radii file" "radii.dat"; line "total mass [kg]" "1.989D30"
  line "central share" "0.95"; line "phase pattern" "1"; line "phases from file" "0"
  line "period [years]" "1.0"; line "tolerance" "1.0D-13"; line "iteration limit" "30"
  line "tilt [rad]" "0.1"; line "density" "2000.0"; line "header value" "0.01"
  line "initial-state file" "rings.dat"; line "tag" "1"
} > "$work/Tembrix2.dat"
cd "$work"
"$root/build/tembrix2"
inspect="$root/build/tembrix2-inspect"
echo "cores: $(nproc); state: $(stat -c %s rings.dat) bytes"
/usr/bin/time -f "check:        %e s wall, %U s user, %M KB peak" "$inspect" check rings.dat | tail -n 3
/usr/bin/time -f "convert hdf5: %e s wall, %M KB peak" "$inspect" convert rings.dat --to hdf5 -o rings.hdf5
/usr/bin/time -f "convert csv:  %e s wall, %M KB peak" "$inspect" convert rings.dat --to csv -o rings.csv
/usr/bin/time -f "csv, SI:      %e s wall, %M KB peak" "$inspect" convert rings.dat --to csv --units si -o rings-si.csv
