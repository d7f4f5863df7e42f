#!/usr/bin/env bash
# Real X input against the real web engine, all requests seen by a local proxy:
# the home page at start, a visible thumbnail's try-on page on a press, one
# navigation for a double click, the contact link handed to the scheme handler,
# and a panel switch making another panel's boxes the ones that take presses.
set -euo pipefail
source "$(dirname "$0")/../lib/harness.sh"
prepare_run "$@"
start_xvfb
start_proxy
register_tencent_handler
start_program

site=http://show.qq.com
wait_for_line "$PROXY_LOG" "$site/" 60 || fail "home page not requested at start"

# 图片框1 (row 1, column 1 of 意境1) at 664,120 in the window, 72 x 136
press_at $((664 + 36)) $((120 + 68))
wait_for_line "$PROXY_LOG" "$site/p/f?t=13&i=1374781&u=1130062874" 30 || fail "图片框1 press not navigated"

# a double click on 图片框2 navigates once
eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
xdotool mousemove --sync $((X + 744 + 36)) $((Y + 120 + 68)) click --repeat 2 --delay 60 1
wait_for_line "$PROXY_LOG" "$site/p/f?t=13&i=1374780&u=1130062874" 30 || fail "图片框2 double click not navigated"
sleep 2  # time for a second navigation, which must not come
count=$(grep -cxF "$site/p/f?t=13&i=1374780&u=1130062874" "$PROXY_LOG")
[ "$count" = 1 ] || fail "a double click navigated $count times"

# the right button does nothing: 图片框3
press_at $((824 + 36)) $((120 + 68)) 3
sleep 2  # time for a navigation, which must not come
grep -qF "i=1374784" "$PROXY_LOG" && fail "a right click navigated"

# the contact button 超级按钮1 at 832,592, 96 x 24
press_at $((832 + 48)) $((592 + 12))
wait_for_line "$HANDLER_LOG" "tencent://message/?uin=2839475610" 30 || fail "contact link not handed to the handler"
grep -q tencent "$PROXY_LOG" && fail "the contact link went to the network"

# 按钮4 shows 恶搞: the press at 图片框5's place now reaches 图片框41, once
# that place shows 图片框41's picture
box5=70x134+665+265
before=$(region_signature "$WINDOW" "$box5")
press_at $((664 + 48)) $((64 + 12))
wait_for_region_change "$WINDOW" "$box5" "$before" 10 || fail "按钮4 did not change the picture at 图片框5's place"
press_at $((664 + 36)) $((264 + 68))
wait_for_line "$PROXY_LOG" "$site/p/f?t=13&i=1122547&u=2046183357" 30 || fail "图片框41 press not navigated"
grep -qF "i=1374782" "$PROXY_LOG" && fail "the hidden 图片框5 took the press"

xdotool key Escape
wait_for_exit 30
[ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS"
echo "browsing: ok"
