#!/usr/bin/env bash
# When the skin engine cannot be bound the program ends through its error box
# with exit status 255 and its window never shows: once with no library to be
# had anywhere, once with a library (held the way a running copy holds the
# one it loaded, so it is not rewritten) that does not export the function.
source "$(dirname "$0")/lib.sh"
start_xvfb

# expect_fatal_stop: the box shows, the main window never does, Enter dismisses it
expect_fatal_stop() {
  "$PROGRAM" >"$WORK/program.out" 2>&1 &
  APP_PID=$!
  PIDS+=("$APP_PID")
  local box=""
  for _ in $(seq 600); do
    xdotool search --all --onlyvisible --pid "$APP_PID" --name 'DorvaneV6' >/dev/null 2>&1 &&
      fail "the main window showed"
    box=$(visible_windows "$APP_PID" | head -n 1)
    [ -n "$box" ] && break
    kill -0 "$APP_PID" 2>/dev/null || fail "ended without a box: $(cat "$WORK/program.out")"
    sleep 0.1
  done
  [ -n "$box" ] || fail "no error box"
  sleep 0.5
  xdotool search --all --onlyvisible --pid "$APP_PID" --name 'DorvaneV6' >/dev/null 2>&1 &&
    fail "the main window showed behind the box"
  xdotool windowfocus --sync "$box"
  xdotool key Return
  wait_for_exit 30
  [ "$EXIT_STATUS" = 255 ] || fail "exit status $EXIT_STATUS, wanted 255"
}

# 1. nothing loads: a folder stands where the library would be written
mkdir "$RUN_DIR/SkinH_EL.dll"
expect_fatal_stop
rmdir "$RUN_DIR/SkinH_EL.dll"

# 2. a library without the export, held by another process so it stays as it is
cp "$(ldconfig -p | awk '/libz\.so\.1 .*x86-64/ {print $NF; exit}')" "$RUN_DIR/SkinH_EL.dll"
before=$(sha256sum <"$RUN_DIR/SkinH_EL.dll")
exec 9<"$RUN_DIR/SkinH_EL.dll"
flock --shared 9  # as a running copy holds the library it has loaded
expect_fatal_stop
exec 9<&-
[ "$(sha256sum <"$RUN_DIR/SkinH_EL.dll")" = "$before" ] || fail "a held library was overwritten"
echo "fatal skin library: ok"
