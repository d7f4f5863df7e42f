#!/usr/bin/env bash
# The program killed (SIGKILL) during its start, at three moments: right
# after exec, as soon as its skin file has been rewritten (the library's write
# follows at once), and when its window has just shown. After each kill
# nothing of it stays behind (helpers, tray icon, locks), and the next start
# is a normal one: it rewrites both carried files whole, even when the killed
# run left them cut off, shows its window and closes with 0.
#
# usage: tests/faults/test_kill_during_start.sh [LAUNCHER...] path/to/dorvane
# (the built library from DORVANE_BUILT_SKIN_LIBRARY, else the build tree's)
set -euo pipefail
source "$(dirname "$0")/../lib/harness.sh"
prepare_run "$@"

start_xvfb
start_tray_host
start_proxy
mark_our_processes

# kill_at MOMENT: starts the program and kills it at that moment
kill_at() {
  local moment=$1 before=$WORK/before
  touch "$before"
  launch_program
  case $moment in
    exec) ;;
    # no pause between looks: the kill is to land between the two writes
    skin-written) WAIT_STEP=0 wait_until 90 skin_written "$before" || fail "the skin file was not written" ;;
    window-shown) wait_for_window "$APP_PID" 90 >/dev/null || fail "the window did not show" ;;
  esac
  kill -KILL "$APP_PID"
  wait "$APP_PID" 2>/dev/null || true
}

# skin_written STAMP: the skin file is newer than STAMP; the program has not ended
skin_written() {
  [ "$SKIN_FILE" -nt "$1" ] && return 0
  kill -0 "$APP_PID" 2>/dev/null || fail "the program ended before writing its skin file"
  return 1
}

# what a kill may leave: nothing that outlives the process
check_nothing_left() {
  local moment=$1 left
  wait_until 5 none_of_ours || fail "killed at $moment: processes left: $(our_processes)"
  wait_for_tray_icons 0 5 || fail "killed at $moment: a tray icon is left"
  left=$(locks_on "$LIBRARY_FILE" "$SKIN_FILE")
  [ -z "$left" ] || fail "killed at $moment: locks left: $left"
}

for moment in exec skin-written window-shown; do
  kill_at "$moment"
  check_nothing_left "$moment"
  echo "killed at $moment: the library $(stat -c %s "$LIBRARY_FILE" 2>/dev/null || echo none), the skin file $(stat -c %s "$SKIN_FILE" 2>/dev/null || echo none) bytes"
  # the worst a kill during the writes leaves: both files cut off
  for file in "$LIBRARY_FILE" "$SKIN_FILE"; do
    [ -f "$file" ] && truncate -s 4096 "$file"
  done
  touch "$WORK/killed"
  sleep 0.01  # the rewrite's time stamp must be later
  start_program
  for file in "$LIBRARY_FILE" "$SKIN_FILE"; do
    [ "$file" -nt "$WORK/killed" ] || fail "killed at $moment: $file was not rewritten"
  done
  check_whole "$LIBRARY_FILE" "$CARRIED_LIBRARY" 88576
  check_whole "$SKIN_FILE" "$REPO_DIR/assets/kiss.she" 13192
  wait_for_tray_icons 1 10 || fail "killed at $moment: the next start has no tray icon"
  xdotool key Escape
  wait_for_exit 30
  [ "$EXIT_STATUS" = 0 ] || fail "killed at $moment: the next start ended with $EXIT_STATUS"
  echo "killed at $moment: the next start was normal"
done
echo "kill during start: ok"
