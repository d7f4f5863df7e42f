#!/usr/bin/env bash
# The program killed (SIGKILL) during its start, at three moments: right
# after exec, as soon as its skin file has been rewritten (the library's write
# follows at once), and when its window has just shown. After each kill
# nothing of it stays behind (helpers, tray icon, locks), and the next start
# is a normal one: it rewrites both carried files whole, even when the killed
# run left them cut off, shows its window and closes with 0.
#
# usage: tests/faults/test_kill_during_start.sh path/to/dorvane [path/to/SkinH_EL.dll]
set -euo pipefail
source "$(cd "$(dirname "$0")/.." && pwd)/e2e/lib.sh"
source "$REPO_DIR/tests/soak/soak_lib.sh"
CARRIED_LIBRARY=${2:-$(dirname "$BUILT_PROGRAM")/../skin/SkinH_EL.dll}
[ -f "$CARRIED_LIBRARY" ] || fail "no carried library at $CARRIED_LIBRARY"

start_xvfb
start_tray_host
start_proxy
mark_our_processes
library=$RUN_DIR/SkinH_EL.dll
skin=$XDG_DATA_HOME/dorvane/drive_c/WINDOWS/system32/drivers/kiss.she

# kill_at MOMENT: starts the program and kills it at that moment
kill_at() {
  local moment=$1 before=$WORK/before
  touch "$before"
  "$PROGRAM" >>"$WORK/program.out" 2>&1 &
  APP_PID=$!
  PIDS+=("$APP_PID")
  case $moment in
    exec) ;;
    skin-written)
      local deadline=$((SECONDS + 90))
      until [ "$skin" -nt "$before" ]; do
        kill -0 "$APP_PID" 2>/dev/null || fail "the program ended before writing its skin file"
        ((SECONDS < deadline)) || fail "the skin file was not written"
      done
      ;;
    window-shown) wait_for_window "$APP_PID" 90 >/dev/null || fail "the window did not show" ;;
  esac
  kill -KILL "$APP_PID"
  wait "$APP_PID" 2>/dev/null || true
}

# what a kill may leave: nothing that outlives the process
check_nothing_left() {
  local moment=$1 left
  for _ in $(seq 50); do
    left=$(our_processes)
    [ -z "$left" ] && break
    sleep 0.1
  done
  [ -z "$left" ] || fail "killed at $moment: processes left: $left"
  wait_for_tray_icons 0 5 || fail "killed at $moment: a tray icon is left"
  left=$(locks_on "$library" "$skin")
  [ -z "$left" ] || fail "killed at $moment: locks left: $left"
}

for moment in exec skin-written window-shown; do
  kill_at "$moment"
  check_nothing_left "$moment"
  echo "killed at $moment: the library $(stat -c %s "$library" 2>/dev/null || echo none), the skin file $(stat -c %s "$skin" 2>/dev/null || echo none) bytes"
  # the worst a kill during the writes leaves: both files cut off
  for file in "$library" "$skin"; do
    [ -f "$file" ] && truncate -s 4096 "$file"
  done
  touch "$WORK/killed"
  sleep 0.01  # the rewrite's time stamp must be later
  start_program
  for file in "$library" "$skin"; do
    [ "$file" -nt "$WORK/killed" ] || fail "killed at $moment: $file was not rewritten"
  done
  check_whole "$library" "$CARRIED_LIBRARY" 88576
  check_whole "$skin" "$REPO_DIR/assets/kiss.she" 13192
  wait_for_tray_icons 1 10 || fail "killed at $moment: the next start has no tray icon"
  xdotool key Escape
  wait_for_exit 30
  [ "$EXIT_STATUS" = 0 ] || fail "killed at $moment: the next start ended with $EXIT_STATUS"
  echo "killed at $moment: the next start was normal"
done
echo "kill during start: ok"
