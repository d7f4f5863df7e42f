#!/usr/bin/env bash
# Soak: 1,000 presses through X input in one run (or $STORM_PRESSES): every
# fifth a type button (按钮1 to 按钮5 in turn, so every panel shows and
# decodes its pictures), the others a thumbnail of the panel showing. The
# program must live through all of them, still navigate on the last press and
# close with exit status 0. Prints the main process's RSS and PSS 2 s after
# the window shows, after the first 100 presses (every panel seen) and at
# the end, and the growth between them.
#
# usage: tests/soak/input_storm.sh [LAUNCHER...] path/to/dorvane
set -euo pipefail
source "$(dirname "$0")/../lib/harness.sh"
prepare_run "$@"
PRESSES=${STORM_PRESSES:-1000}

# centres in the window: the type buttons of 分组框2 (656, 0), then the
# thumbnail grid of the panels (656, 104): columns 8, 88, 168, 248, rows 16,
# 160, 304, boxes 72 x 136
BUTTON_X=(712 816 920 712 816) BUTTON_Y=(36 36 36 76 76)
BOX_X=(700 780 860 940) BOX_Y=(188 332 476)

start_xvfb
start_tray_host
start_proxy 3600
start_program
eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
ORIGIN_X=$X ORIGIN_Y=$Y

# memory: "RSS PSS" of the main process in KiB
memory() {
  awk '/^Rss:/ { r = $2 } /^Pss:/ { p = $2 } END { print r, p }' "/proc/$APP_PID/smaps_rollup"
}
report() {  # report LABEL "RSS PSS"
  awk -v label="$1" -v m="$2" 'BEGIN { split(m, k, " "); printf "%-26s RSS %7.1f MiB  PSS %7.1f MiB\n", label, k[1] / 1024, k[2] / 1024 }'
}

sleep 2  # the first measuring point: 2 s after the window shows, as in bench/startup
at_start=$(memory)
started=$(date +%s)
button=0 box=0
for press in $(seq "$PRESSES"); do
  if ((press % 5 == 0)); then
    x=${BUTTON_X[button]} y=${BUTTON_Y[button]}
    button=$(((button + 1) % 5))
  else
    x=${BOX_X[box % 4]} y=${BOX_Y[box / 4 % 3]}
    box=$(((box + 1) % 12))
  fi
  xdotool mousemove --sync $((ORIGIN_X + x)) $((ORIGIN_Y + y)) click 1
  if ((press % 100 == 0)); then
    kill -0 "$APP_PID" 2>/dev/null || fail "the program ended after $press presses"
    ((press == 100)) && warm=$(memory)
  fi
done
sleep 2  # the last presses' work settles for as long as before the first figure
at_end=$(memory)
seconds=$(($(date +%s) - started))

# the program still answers: one more press navigates (意境1 shows again
# after 按钮5's panel, whatever the count; 图片框1's address)
xdotool mousemove --sync $((ORIGIN_X + BUTTON_X[0])) $((ORIGIN_Y + BUTTON_Y[0])) click 1
: >"$PROXY_LOG"
xdotool mousemove --sync $((ORIGIN_X + BOX_X[0])) $((ORIGIN_Y + BOX_Y[0])) click 1
wait_for_line "$PROXY_LOG" "http://show.qq.com/p/f?t=13&i=1374781&u=1130062874" 30 ||
  fail "no navigation after the storm"

xdotool key Escape
wait_for_exit 30
[ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS after the storm"

echo "$PRESSES presses in $seconds s, the program lived through them and closed with 0"
report "2 s after the window shows" "$at_start"
[ -n "${warm:-}" ] && report "after 100 presses" "$warm"
report "after $PRESSES presses" "$at_end"
read -r s_rss s_pss <<<"$at_start"
read -r e_rss e_pss <<<"$at_end"
echo "growth from the start: RSS $(((e_rss - s_rss) / 1024)) MiB, PSS $(((e_pss - s_pss) / 1024)) MiB"
if [ -n "${warm:-}" ]; then
  read -r w_rss w_pss <<<"$warm"
  echo "growth over the last $((PRESSES - 100)) presses: RSS $(((e_rss - w_rss) / 1024)) MiB, PSS $(((e_pss - w_pss) / 1024)) MiB"
fi
echo "input storm: ok"
