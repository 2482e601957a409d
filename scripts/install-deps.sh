#!/usr/bin/env bash
# Installs what the build, the tests, the benchmarks and the fuzzers need
# (Debian packages). Runs apt-get as root, through sudo when needed.
set -euo pipefail
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
$SUDO apt-get install -y --no-install-recommends \
  cmake make g++ libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
# The tests run the include-graph check, the power-of-ten table's generator,
# the plot script and its round trips with the distribution's Python.
$SUDO apt-get install -y --no-install-recommends python3 python3-numpy python3-matplotlib python3-h5py libhdf5-dev
