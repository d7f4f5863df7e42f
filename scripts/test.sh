#!/usr/bin/env bash
# Sets everything up, builds, and runs the whole test suite (unit, GUI, end to
# end) of the Linux edition, then builds the Windows edition and runs its
# tests under Wine. Any failure fails the script.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh default
ctest --preset default -j 2 "$@"

# The Windows edition: the PE32 build, and its tests under 32-bit Wine. On a
# machine that runs no 32-bit user code that Wine cannot start (its configure
# says so): the same tests then run as PE32+ under 64-bit Wine.
bash scripts/build.sh win32
ctest --preset win32 --no-tests=error
. tests/wine/prefix.sh
if ! dorvane_wine_runs win32; then
  bash scripts/build.sh win64
  ctest --preset win64 --no-tests=error
fi
