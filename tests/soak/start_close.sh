#!/usr/bin/env bash
# Soak: start the program and close it with Esc, again and again (100 times,
# or $SOAK_RUNS), under Xvfb with a tray host. Every run must show its window
# and tray icon and exit with status 0. Afterwards no process of ours is left
# (the program, QtWebEngineProcess), no tray icon, no lock on either carried
# file, and both files are whole: their sizes and bytes are the carried ones.
#
# usage: tests/soak/start_close.sh [LAUNCHER...] path/to/dorvane
# (the built library from DORVANE_BUILT_SKIN_LIBRARY, else the build tree's)
set -euo pipefail
source "$(dirname "$0")/../lib/harness.sh"
prepare_run "$@"
RUNS=${SOAK_RUNS:-100}

start_xvfb
start_tray_host
start_proxy 3600
mark_our_processes

started=$(date +%s)
for run in $(seq "$RUNS"); do
  start_program
  wait_for_tray_icons 1 10 || fail "run $run: $(tray_icon_count) tray icons while the window shows"
  xdotool key Escape
  wait_for_exit 30
  [ "$EXIT_STATUS" = 0 ] || fail "run $run: exit status $EXIT_STATUS"
  ((run % 10)) || echo "$run runs, $(($(date +%s) - started)) s"
done

# the engine's helpers end a moment after the program
wait_until 10 none_of_ours || fail "processes left after $RUNS runs: $(our_processes)"
wait_for_tray_icons 0 5 || fail "$(tray_icon_count) tray icons left"
locks=$(locks_on "$LIBRARY_FILE" "$SKIN_FILE")
[ -z "$locks" ] || fail "locks left: $locks"
check_whole "$LIBRARY_FILE" "$CARRIED_LIBRARY" 88576
check_whole "$SKIN_FILE" "$REPO_DIR/assets/kiss.she" 13192
bus=$(autolaunched_bus)
[ -z "$bus" ] || echo "note: the session bus libdbus started for the first run is still there, as it stays until the display ends: $bus"
echo "start and close x $RUNS: ok, every exit 0, nothing left, both files whole ($(($(date +%s) - started)) s)"
