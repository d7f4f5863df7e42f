#!/usr/bin/env bash
# With a tray host running, the program's icon is in the notification area
# while its window exists, hovering it shows a tip, and the icon goes with the
# window. Two copies run at once from one folder: the second cannot overwrite
# the library the first has loaded, loads that same file, and both work.
set -euo pipefail
source "$(dirname "$0")/../lib/harness.sh"
prepare_run "$@"
start_xvfb
start_tray_host
start_program
first=$APP_PID
first_window=$WINDOW
wait_for_tray_icons 1 10 || fail "no tray icon while the window shows"

# hovering the icon opens a tip window of ours
icon=$(tray_icon_ids | head -n 1)
before=$(visible_windows "$first" | wc -l)
more_windows() { [ "$(visible_windows "$first" | wc -l)" -gt "$before" ]; }
eval "$(xdotool getwindowgeometry --shell "$icon")"
xdotool mousemove --sync $((X + 8)) $((Y + 8))
wait_until 10 more_windows || fail "no tip on hover"
import -window root "$WORK/tray-tip.png"
xdotool mousemove 10 400
# clicks on the icon do nothing: still one window, still running
xdotool mousemove --sync $((X + 8)) $((Y + 8)) click 1 click 3
sleep 0.5  # time to end, which it must not
kill -0 "$first" || fail "a click on the tray icon ended the program"

stamp=$(stat -c '%i %Y.%y %Z' "$LIBRARY_FILE")
start_program
second=$APP_PID
second_window=$WINDOW
[ "$first_window" != "$second_window" ] || fail "the second copy showed no window of its own"
[ "$(stat -c '%i %Y.%y %Z' "$LIBRARY_FILE")" = "$stamp" ] || fail "the second copy rewrote the loaded library"
grep -q SkinH_EL.dll "/proc/$second/maps" || fail "the second copy did not load the library"
wait_for_tray_icons 2 10 || fail "expected two tray icons, saw $(tray_icon_count)"

for pair in "$second:$second_window" "$first:$first_window"; do
  APP_PID=${pair%%:*}
  xdotool windowfocus --sync "${pair##*:}"
  xdotool key Escape
  wait_for_exit 30
  [ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS"
done
wait_for_tray_icons 0 5 || fail "a tray icon outlived its window"
echo "tray and two copies: ok"
