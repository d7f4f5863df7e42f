#!/usr/bin/env bash
# At QT_SCALE_FACTOR=2 the layout scales and a thumbnail is drawn from its
# full-size picture, not blown up from a 70 x 134 copy: the scale-2 render of
# 图片框1 must hold clearly more fine detail than the 2x upscale of the scale-1
# render, and still be the same picture.
set -euo pipefail
source "$(dirname "$0")/../lib/harness.sh"
prepare_run "$@"
XVFB_SCREEN=2560x1600x24 start_xvfb
start_proxy

# 图片框1: panel 意境1 at (656, 104), the box at (8, 16) in it, 72 x 136 with
# a one-pixel border; its picture fills the 70 x 134 inside.
INSIDE_X=665 INSIDE_Y=121 INSIDE_W=70 INSIDE_H=134

# shoot SCALE FILE: the window's client area at that scale factor
shoot() {
  local scale=$1 file=$2
  QT_SCALE_FACTOR=$scale start_program
  eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
  [ "$WIDTH" = $((984 * scale)) ] && [ "$HEIGHT" = $((624 * scale)) ] ||
    fail "at scale $scale the window is ${WIDTH}x$HEIGHT"
  capture_when_drawn "$WINDOW" "$file" \
    "$((scale * INSIDE_W))x$((scale * INSIDE_H))+$((scale * INSIDE_X))+$((scale * INSIDE_Y))" 30 ||
    fail "at scale $scale 图片框1 shows no settled picture"
  xdotool key Escape
  wait_for_exit 30
  [ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS at scale $scale"
}
shoot 1 "$WORK/scale1.png"
shoot 2 "$WORK/scale2.png"

convert "$WORK/scale1.png" -crop "${INSIDE_W}x$INSIDE_H+$INSIDE_X+$INSIDE_Y" +repage "$WORK/box1.png"
convert "$WORK/scale2.png" -crop "$((2 * INSIDE_W))x$((2 * INSIDE_H))+$((2 * INSIDE_X))+$((2 * INSIDE_Y))" \
  +repage "$WORK/box2.png"
convert "$WORK/box1.png" -resize 200% "$WORK/blown_up.png"

# normalised RMSE of two pictures of one size
difference() { { compare -metric RMSE "$1" "$2" null: 2>&1 || true; } | sed 's/.*(\(.*\))/\1/'; }
# fine detail: what halving and doubling again takes away
detail() {
  convert "$1" -resize 50% -resize 200% "$1.halved.png"
  difference "$1" "$1.halved.png"
}
sharp=$(detail "$WORK/box2.png")
blown=$(detail "$WORK/blown_up.png")
alike=$(difference "$WORK/box2.png" "$WORK/blown_up.png")
echo "detail at scale 2: $sharp, in the 2x upscale of scale 1: $blown; difference of the two: $alike"
awk -v s="$blown" 'BEGIN { exit !(s > 0.002) }' || fail "the scale-1 thumbnail is flat ($blown): wrong region?"
awk -v a="$sharp" -v b="$blown" 'BEGIN { exit !(a > 1.5 * b) }' ||
  fail "the scale-2 thumbnail is no sharper than a blown-up copy ($sharp vs $blown)"
awk -v d="$alike" 'BEGIN { exit !(d < 0.08) }' || fail "the two renders show different pictures ($alike)"
echo "sharp at scale 2: ok"
