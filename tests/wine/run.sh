#!/usr/bin/env bash
# The Windows edition's test runner (CMAKE_CROSSCOMPILING_EMULATOR): runs a
# cross-built .exe under Wine in the build tree's prefix, with its exit code.
#   run.sh PREFIX PROGRAM.exe [ARGUMENTS...]
set -euo pipefail
here=$(dirname "$(readlink -f "$0")")
. "$here/prefix.sh"
prefix=$1
shift
dorvane_wine_prefix "$prefix"
exec wine "$@"
