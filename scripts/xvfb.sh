# Shared by the run script and the end-to-end tests: a private virtual display.
# start_xvfb: starts Xvfb on a free display number and exports DISPLAY; the
# caller stops it (kill $XVFB_PID) in its own clean-up.
# wait_for_window PID SECONDS: prints the X id of PID's visible window once it maps.

start_xvfb() {
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 "${XVFB_SCREEN:-1280x800x24}" -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do
      xdpyinfo >/dev/null 2>&1 && break
      sleep 0.1
    done
    return 0
  done
  echo "no free display" >&2
  return 1
}

wait_for_window() {
  local pid=$1 seconds=$2 id
  for _ in $(seq $((seconds * 10))); do
    id=$(xdotool search --all --onlyvisible --pid "$pid" --name 'DorvaneV6' 2>/dev/null | head -n 1) || true
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

# wait_for_end PID SECONDS: waits for PID, a child of this shell, and sets
# EXIT_STATUS; returns 1 when it has not ended by then
wait_for_end() {
  local pid=$1 seconds=$2
  for _ in $(seq $((seconds * 10))); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && return 1
  EXIT_STATUS=0
  wait "$pid" || EXIT_STATUS=$?
}

# close_with_escape WINDOW PID [SECONDS]: Esc to the focused window, then wait_for_end
close_with_escape() {
  xdotool windowfocus --sync "$1" 2>/dev/null || true
  xdotool key Escape
  wait_for_end "$2" "${3:-30}"
}
