#!/usr/bin/env bash
# When the skin engine cannot be bound the program ends through its error box
# with exit status 255 and its window never shows: once with no library to be
# had anywhere, once with a library (held the way a running copy holds the
# one it loaded, so it is not rewritten) that does not export the function.
set -euo pipefail
source "$(dirname "$0")/../lib/harness.sh"
prepare_run "$@"
start_xvfb

# box_or_end: a window of the program's shows, or the program has ended; never its main window
box_or_end() {
  [ -z "$(main_window "$APP_PID")" ] || fail "the main window showed"
  [ -n "$(visible_windows "$APP_PID")" ] || ! kill -0 "$APP_PID" 2>/dev/null
}

# expect_fatal_stop: the box shows, the main window never does, Enter dismisses it
expect_fatal_stop() {
  launch_program
  wait_until 60 box_or_end || fail "no error box"
  local box
  box=$(visible_windows "$APP_PID" | head -n 1)
  [ -n "$box" ] || fail "ended without a box: $(cat "$WORK/program.out")"
  sleep 0.5  # time for the main window to show behind the box, which it must not
  [ -z "$(main_window "$APP_PID")" ] || fail "the main window showed behind the box"
  xdotool windowfocus --sync "$box"
  xdotool key Return
  wait_for_exit 30
  [ "$EXIT_STATUS" = 255 ] || fail "exit status $EXIT_STATUS, wanted 255"
}

# 1. nothing loads: a folder stands where the library would be written
mkdir "$LIBRARY_FILE"
expect_fatal_stop
rmdir "$LIBRARY_FILE"

# 2. a library without the export, held by another process so it stays as it is
# (this machine's library and lock: the Windows edition's loader tests hold a
# Windows one)
if [ "$WINDOWS_EDITION" = 1 ]; then
  echo "fatal skin library: ok (no library)"
  exit 0
fi
cp "$(ldconfig -p | awk '/libz\.so\.1 .*x86-64/ {print $NF; exit}')" "$LIBRARY_FILE"
before=$(sha256sum <"$LIBRARY_FILE")
exec 9<"$LIBRARY_FILE"
flock --shared 9  # as a running copy holds the library it has loaded
expect_fatal_stop
exec 9<&-
[ "$(sha256sum <"$LIBRARY_FILE")" = "$before" ] || fail "a held library was overwritten"
echo "fatal skin library: ok"
