#!/usr/bin/env bash
# The program starts, writes its two carried files whole, shows its window,
# ignores Shift+Esc and closes on Esc with exit status 0.
source "$(dirname "$0")/lib.sh"
start_xvfb
start_program

library=$RUN_DIR/SkinH_EL.dll
skin=$XDG_DATA_HOME/dorvane/drive_c/WINDOWS/system32/drivers/kiss.she
cmp -s "$library" "${DORVANE_BUILT_SKIN_LIBRARY:?}" || fail "library differs from the built one"
if [ "${DORVANE_SANITIZED_BUILD:-0}" = 0 ]; then
  [ "$(stat -c %s "$library")" = 88576 ] || fail "library is $(stat -c %s "$library") bytes"
fi
[ "$(stat -c %s "$skin")" = 13192 ] || fail "skin file is $(stat -c %s "$skin") bytes"
cmp -s "$skin" "$REPO_DIR/assets/kiss.she" || fail "skin file differs from the carried one"

xdotool key shift+Escape
sleep 1
kill -0 "$APP_PID" 2>/dev/null || fail "Shift+Esc closed the window"

xdotool key Escape
wait_for_exit 30
[ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS after Esc"
echo "start and close: ok"
