#!/usr/bin/env bash
# Sets everything up, builds, and runs the whole test suite (unit, GUI, end to end).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh default
ctest --preset default -j 2 "$@"
