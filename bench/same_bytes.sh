#!/usr/bin/env bash
# Byte identity of two builds: runs both binaries on the example and on a few
# generated configurations (up to the largest, 1000 x 1000) and compares every
# file they write. Used to show that a faster build writes the same bytes.
# Usage: bench/same_bytes.sh OLD_BINARY NEW_BINARY [largest: yes|no]   (default yes)
set -euo pipefail
cd "$(dirname "$0")/.."
old=$(realpath "$1")
new=$(realpath "$2")
largest=${3:-yes}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

line() { printf '%-59s%s\n' "$1" "$2"; }
# config NAME NCIRC NBC DRAD PATTERN FROMFILE FCEN
config() {
  mkdir -p "$work/$1"
  {
    line "number of circles" "$2"; line "bodies per circle" "$3"
    line "radius step factor" "$4"; line "radii from file (1)" "0"
    line "radii file" "radii.dat"; line "total mass [kg]" "2.0D30"
    line "central share" "$7"; line "phase pattern" "$5"; line "phases from file" "$6"
    line "period [years]" "1.0"; line "tolerance" "1.0D-12"; line "iteration limit" "100"
    line "tilt [rad]" "0.1"; line "density" "2000.0"; line "header value" "0.01"
    line "initial-state file" "state.dat"; line "tag" "1"
  } > "$work/$1/Tembrix2.dat"
  python3 -c "
with open('$work/$1/QxStrfi0.dat', 'w') as f:
    for k in range(1, $2 + 1): f.write(f'{k} {1e-4 * k!r}\\n')"
}
mkdir -p "$work/example" && cp examples/Tembrix2.dat "$work/example/"
config alternating-60x200 60 200 1.0 0 0 0.99
config offsets-200x200 200 200 1.0 1 1 0.99
config aligned-300x7 300 7 3.0 1 0 0.5
[ "$largest" = yes ] && config largest-1000x1000 1000 1000 1.0 1 0 0.99

status=0
for dir in "$work"/*/; do
  name=$(basename "$dir")
  cp -r "$dir" "$work/$name.old" && cp -r "$dir" "$work/$name.new"
  (cd "$work/$name.old" && "$old" >/dev/null 2>&1) || true
  (cd "$work/$name.new" && "$new" >/dev/null 2>&1) || true
  files=$(cd "$work/$name.old" && ls | wc -l)
  if diff -r -q "$work/$name.old" "$work/$name.new" >/dev/null; then
    echo "$name: $files files, identical ($(cat "$work/$name.new"/* | wc -c) bytes)"
  else
    echo "$name: DIFFERENT"; diff -r -q "$work/$name.old" "$work/$name.new" || true; status=1
  fi
  rm -rf "$work/$name.old" "$work/$name.new"
done
exit $status
