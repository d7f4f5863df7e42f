#!/usr/bin/env bash
# Runs a command with an X display: the caller's, or a private Xvfb that is
# stopped afterwards. Wine cannot create a window without one.
#   with_display.sh COMMAND [ARGUMENTS...]
set -euo pipefail
if [ -n "${DISPLAY:-}" ]; then
  exec "$@"
fi
root=$(cd "$(dirname "$0")/../../.." && pwd)
. "$root/tests/lib/harness.sh"
start_xvfb
trap 'kill "$XVFB_PID" 2>/dev/null || true' EXIT
"$@"
