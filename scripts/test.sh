#!/usr/bin/env bash
# Builds the release configuration and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default
cmake --build --preset default
ctest --preset default
