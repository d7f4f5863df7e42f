#!/usr/bin/env bash
# The disk fills up while the program writes its carried files: its run
# directory is a tmpfs with 64 KiB free beside the executable, its skin
# file's folder one of 8 KiB. The program still starts, shows its window and
# no error, and closes with 0, leaving both files cut off where the space
# ended (the library's loadable part fits in 64 KiB, the rest is padding).
# With space again, the next start rewrites both whole. With only 16 KiB
# free, the cut-off library cannot be loaded: the fatal stop's box and exit
# status 255, never a crash in the loader.
# Needs to mount tmpfs (root); exits 77 (skipped) where it cannot.
#
# usage: tests/faults/test_disk_full.sh [LAUNCHER...] path/to/dorvane
# (the built library from DORVANE_BUILT_SKIN_LIBRARY, else the build tree's)
set -euo pipefail
# the sizes above are the stripped, padded library's; a sanitizer build's is
# megabytes, so no loadable part of it fits
if [ "${DORVANE_SANITIZED_BUILD:-0}" = 1 ]; then
  echo "SKIP: the sanitizer build's library is not the carried size"
  exit 77
fi
source "$(dirname "$0")/../lib/harness.sh"
prepare_run "$@"

SKIN_DIR=$(dirname "$SKIN_FILE")
MOUNTS=()
# the program and its helpers keep the run directory busy: they go first
unmount_all() {
  local m pid
  for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait_until 5 none_of_ours || true
  for m in "${MOUNTS[@]}"; do umount "$m" 2>/dev/null || umount -l "$m" || true; done
}
trap 'unmount_all; cleanup' EXIT
mark_our_processes

# mount_small DIR BYTES: a tmpfs of BYTES (a multiple of the page size) at DIR
mount_small() {
  mkdir -p "$1"
  if ! mount -t tmpfs -o "size=$2,mode=755" tmpfs "$1" 2>/dev/null; then
    echo "SKIP: cannot mount tmpfs here (needs root)"
    exit 77
  fi
  MOUNTS+=("$1")
}

page=$(getconf PAGESIZE)
program_pages=$((($(stat -c %s "$BUILT_PROGRAM") + page - 1) / page))
mount_small "$RUN_DIR" $(((program_pages * page) + 64 * 1024))
cp "$BUILT_PROGRAM" "$PROGRAM"
mount_small "$SKIN_DIR" $((8 * 1024))

start_xvfb
start_tray_host
start_proxy
library=$LIBRARY_FILE
skin=$SKIN_FILE

# the full disk: both writes stop short, and nothing says so
start_program
# the window shows only after the skin call: no fatal stop on the way; and no box
sleep 1  # time for a box to show, which it must not
[ -z "$(window_titled "$APP_PID" 错误)" ] || fail "an error box shows"
[ "$(stat -c %s "$library")" = 65536 ] || fail "library is $(stat -c %s "$library") bytes on the full disk"
[ "$(stat -c %s "$skin")" = 8192 ] || fail "skin file is $(stat -c %s "$skin") bytes on the full disk"
cmp -s -n 65536 "$library" "$CARRIED_LIBRARY" || fail "the cut-off library is not the carried one's beginning"
cmp -s -n 8192 "$skin" "$REPO_DIR/assets/kiss.she" || fail "the cut-off skin file is not the carried one's beginning"
xdotool key Escape
wait_for_exit 30
[ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS with the disks full"

# space again: the next start rewrites both whole
mount -o remount,size=16m "$RUN_DIR"
mount -o remount,size=1m "$SKIN_DIR"
start_program
check_whole "$library" "$CARRIED_LIBRARY" 88576
check_whole "$skin" "$REPO_DIR/assets/kiss.she" 13192
xdotool key Escape
wait_for_exit 30
[ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS after the disks had space again"

# Less room than the library's loadable part: what is left of it cannot be
# loaded, which is the fatal stop (its box, then 255), not a crash.
rm -f "$library"
mount -o remount,size=$(((program_pages * page) + 16 * 1024)) "$RUN_DIR"
launch_program
error_box_or_end() { [ -n "$(window_titled "$APP_PID" 错误)" ] || ! kill -0 "$APP_PID" 2>/dev/null; }
wait_until 60 error_box_or_end || true
box=$(window_titled "$APP_PID" 错误)
[ -n "$box" ] || { wait_for_exit 5; fail "no error box for a cut-off library (exit status $EXIT_STATUS)"; }
[ "$(stat -c %s "$library")" = 16384 ] || fail "library is $(stat -c %s "$library") bytes on the fuller disk"
xdotool windowfocus --sync "$box" key Return
wait_for_exit 30
[ "$EXIT_STATUS" = 255 ] || fail "exit status $EXIT_STATUS after the error box"
echo "disk full: ok, silent, both files whole at the next start; a library cut before its end is the fatal stop"
