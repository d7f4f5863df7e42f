#!/usr/bin/env bash
# With a tray host running, the program's icon is in the notification area
# while its window exists, hovering it shows a tip, and the icon goes with the
# window. Two copies run at once from one folder: the second cannot overwrite
# the library the first has loaded, loads that same file, and both work.
source "$(dirname "$0")/lib.sh"
start_xvfb
start_tray_host
start_program
first=$APP_PID
first_window=$WINDOW
[ "$(tray_icons)" = 1 ] || fail "no tray icon while the window shows"

# hovering the icon opens a tip window of ours
icon=$(xwininfo -root -tree | awk '/"panel": \("panel" "trayer"\)/ {inside=1; next}
  inside && /\("dorvane" "dorvane"\)/ {print $1; exit}')
before=$(visible_windows "$first" | wc -l)
eval "$(xdotool getwindowgeometry --shell "$icon")"
xdotool mousemove --sync $((X + 8)) $((Y + 8))
for _ in $(seq 40); do
  [ "$(visible_windows "$first" | wc -l)" -gt "$before" ] && break
  sleep 0.1
done
[ "$(visible_windows "$first" | wc -l)" -gt "$before" ] || fail "no tip on hover"
import -window root "$WORK/tray-tip.png"
xdotool mousemove 10 400
# clicks on the icon do nothing: still one window, still running
xdotool mousemove --sync $((X + 8)) $((Y + 8)) click 1 click 3
sleep 0.5
kill -0 "$first" || fail "a click on the tray icon ended the program"

library=$RUN_DIR/SkinH_EL.dll
stamp=$(stat -c '%i %Y.%y %Z' "$library")
start_program
second=$APP_PID
second_window=$WINDOW
[ "$first_window" != "$second_window" ] || fail "the second copy showed no window of its own"
[ "$(stat -c '%i %Y.%y %Z' "$library")" = "$stamp" ] || fail "the second copy rewrote the loaded library"
grep -q SkinH_EL.dll "/proc/$second/maps" || fail "the second copy did not load the library"
[ "$(tray_icons)" = 2 ] || fail "expected two tray icons, saw $(tray_icons)"

for pair in "$second:$second_window" "$first:$first_window"; do
  APP_PID=${pair%%:*}
  xdotool windowfocus --sync "${pair##*:}"
  xdotool key Escape
  wait_for_exit 30
  [ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS"
done
[ "$(tray_icons)" = 0 ] || fail "a tray icon outlived its window"
echo "tray and two copies: ok"
