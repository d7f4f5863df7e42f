#!/usr/bin/env bash
# The Windows edition's test runner (CMAKE_CROSSCOMPILING_EMULATOR): runs a
# cross-built .exe under Wine in the build tree's prefix, with its exit code.
#   run.sh PREFIX ARCH PROGRAM.exe [ARGUMENTS...]    ARCH: win32 or win64
#   run.sh --check ARCH          exit 0 if this host can run that Wine
set -euo pipefail
here=$(dirname "$(readlink -f "$0")")
. "$here/prefix.sh"
if [ "$1" = --check ]; then
  dorvane_wine_runs "$2"
  exit
fi
prefix=$1 arch=$2
shift 2
dorvane_wine_prefix "$prefix" "$arch"
dorvane_wine_keep_server 15
exec "$DORVANE_WINE" "$@"
