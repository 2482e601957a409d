#!/usr/bin/env bash
# Builds tembrix2 and runs it on examples/Tembrix2.dat in a scratch directory
# (out/example), then lists what the run wrote.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default
cmake --build --preset default --target tembrix2
rm -rf out/example
mkdir -p out/example
cp examples/Tembrix2.dat out/example/
cd out/example
status=0
../../build/tembrix2 || status=$?
echo "tembrix2 exit status: $status"
ls -l
echo "--- ErTembri.dat (set-up report), first lines:"
head -n 6 ErTembri.dat
echo "--- QxNcRMEr.dat (ring table), first lines:"
head -n 4 QxNcRMEr.dat
exit "$status"
