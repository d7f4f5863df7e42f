#!/usr/bin/env bash
# The program starts, writes its two carried files whole, shows its window,
# ignores Shift+Esc and closes on Esc with exit status 0.
set -euo pipefail
source "$(dirname "$0")/../lib/harness.sh"
prepare_run "$@"
start_xvfb
start_program

check_whole "$LIBRARY_FILE" "$CARRIED_LIBRARY" 88576
check_whole "$SKIN_FILE" "$REPO_DIR/assets/kiss.she" 13192

xdotool key shift+Escape
sleep 1  # time to close, which it must not
kill -0 "$APP_PID" 2>/dev/null || fail "Shift+Esc closed the window"

xdotool key Escape
wait_for_exit 30
[ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS after Esc"
echo "start and close: ok"
