# Shared by the end-to-end tests: the real program, under its own Xvfb, in its
# own run directory and XDG folders, its web engine pointed at a local logging
# proxy and a test handler registered for the tencent scheme.
set -euo pipefail

E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
REPO_DIR=$(cd "$E2E_DIR/../.." && pwd)
source "$REPO_DIR/scripts/xvfb.sh"

BUILT_PROGRAM=${1:?usage: $0 path/to/dorvane}
WORK=$(mktemp -d /tmp/dorvane-e2e.XXXXXX)
RUN_DIR=$WORK/run
mkdir -p "$RUN_DIR" "$WORK/data" "$WORK/config" "$WORK/runtime"
chmod 700 "$WORK/runtime"
export XDG_DATA_HOME=$WORK/data XDG_CONFIG_HOME=$WORK/config XDG_RUNTIME_DIR=$WORK/runtime
PROGRAM=$RUN_DIR/dorvane
cp "$BUILT_PROGRAM" "$PROGRAM"
PROXY_LOG=$WORK/requests.log
HANDLER_LOG=$WORK/tencent.log
: >"$PROXY_LOG"
PIDS=()

cleanup() {
  local pid
  for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
  [ -n "${KEEP_WORK:-}" ] || rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  echo "--- requests seen:" >&2
  cat "$PROXY_LOG" >&2 || true
  exit 1
}

start_proxy() {
  python3 "$E2E_DIR/logging_proxy.py" --log "$PROXY_LOG" --port-file "$WORK/port" --lifetime 170 &
  PIDS+=($!)
  for _ in $(seq 50); do [ -s "$WORK/port" ] && break; sleep 0.1; done
  export QTWEBENGINE_CHROMIUM_FLAGS="--proxy-server=http://127.0.0.1:$(cat "$WORK/port") --proxy-bypass-list=<-loopback>"
}

register_tencent_handler() {
  mkdir -p "$XDG_DATA_HOME/applications"
  cat >"$WORK/handler.sh" <<HANDLER
#!/bin/sh
printf '%s\n' "\$1" >>"$HANDLER_LOG"
HANDLER
  chmod +x "$WORK/handler.sh"
  cat >"$XDG_DATA_HOME/applications/tencent-test.desktop" <<DESKTOP
[Desktop Entry]
Type=Application
Name=tencent test handler
Exec=$WORK/handler.sh %u
MimeType=x-scheme-handler/tencent;
NoDisplay=true
DESKTOP
  printf '[Default Applications]\nx-scheme-handler/tencent=tencent-test.desktop\n' >"$XDG_CONFIG_HOME/mimeapps.list"
}

# start_program: runs the program in the background; sets APP_PID and WINDOW
start_program() {
  "$PROGRAM" >"$WORK/program.out" 2>&1 &
  APP_PID=$!
  PIDS+=("$APP_PID")
  WINDOW=$(wait_for_window "$APP_PID" 90) || fail "the window did not show"
  xdotool windowfocus --sync "$WINDOW" 2>/dev/null || true
}

# wait_for_exit SECONDS: sets EXIT_STATUS to the program's exit status
wait_for_exit() {
  wait_for_end "$APP_PID" "$1" || fail "the program did not end"
}

# click X Y [BUTTON]: a real X click at a point of the window's client area
press_at() {
  local x=$1 y=$2 button=${3:-1}
  eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
  xdotool mousemove --sync $((X + x)) $((Y + y)) click "$button"
}

# wait_for_line FILE PATTERN SECONDS: the fixed string PATTERN appears as a whole line
wait_for_line() {
  local file=$1 line=$2 seconds=$3
  for _ in $(seq $((seconds * 10))); do
    grep -qxF -- "$line" "$file" 2>/dev/null && return 0
    sleep 0.1
  done
  return 1
}

# start_tray_host: an XEmbed notification area (trayer) on the virtual display
start_tray_host() {
  trayer --edge top --align right --widthtype request --height 24 --transparent false \
    --SetDockType false --SetPartialStrut false >"$WORK/trayer.log" 2>&1 &
  PIDS+=($!)
  for _ in $(seq 50); do
    xwininfo -root -tree 2>/dev/null | grep -q '"panel": ("panel" "trayer")' && return 0
    sleep 0.1
  done
  fail "the tray host did not start"
}

# tray_icons: how many icons of ours the tray host holds
tray_icons() {
  xwininfo -root -tree 2>/dev/null | awk '/"panel": \("panel" "trayer"\)/ {inside=1; next}
    inside && /\("dorvane" "dorvane"\)/ {n++} END {print n+0}'
}

# visible_windows PID: the X ids of PID's visible windows
visible_windows() {
  xdotool search --onlyvisible --pid "$1" 2>/dev/null || true
}
