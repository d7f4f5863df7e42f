# Shared by the soak and fault scripts, on top of tests/e2e/lib.sh: a tray
# host, a proxy that outlives long runs, and the checks of what a run leaves
# behind. Other copies of the program may run on this machine at the same
# time, so "ours" means the processes that carry this run's tag.

start_tray_host() {
  trayer --edge top --align right --widthtype pixel --width 64 --height 24 >/dev/null 2>&1 &
  PIDS+=($!)
  for _ in $(seq 50); do
    [ -n "$(tray_panel)" ] && return 0
    sleep 0.1
  done
  fail "the tray host did not start"
}

# like start_proxy, for runs longer than its lifetime
start_long_proxy() {
  python3 "$E2E_DIR/logging_proxy.py" --log "$PROXY_LOG" --port-file "$WORK/port" --lifetime 3600 &
  PIDS+=($!)
  for _ in $(seq 50); do [ -s "$WORK/port" ] && break; sleep 0.1; done
  export QTWEBENGINE_CHROMIUM_FLAGS="--proxy-server=http://127.0.0.1:$(cat "$WORK/port") --proxy-bypass-list=<-loopback>"
}

# Every process started from here on inherits the tag (the web engine's
# helpers too), whatever it names itself.
mark_our_processes() {
  export DORVANE_RUN_TAG=$WORK
}

# "pid:name" of every live process of ours: tagged and running the program's
# file or the web engine's helper, whatever it calls itself (a child the
# program forked and that never reached its exec keeps the program's file)
our_processes() {
  local environ pid exe found=()
  for environ in /proc/[0-9]*/environ; do
    pid=${environ#/proc/}
    pid=${pid%/environ}
    { tr '\0' '\n' <"$environ"; } 2>/dev/null | grep -qxF "DORVANE_RUN_TAG=$WORK" || continue
    exe=$(readlink "/proc/$pid/exe" 2>/dev/null) || continue
    case ${exe% (deleted)} in
      "$PROGRAM" | */QtWebEngineProcess) found+=("$pid:$(cat "/proc/$pid/comm" 2>/dev/null)") ;;
    esac
  done
  echo "${found[*]:-}"
}

# "pid:name" of the session bus that libdbus starts for the program where
# none runs (dbus-launch --autolaunch); it lives as long as the display
autolaunched_bus() {
  local environ pid found=()
  for environ in /proc/[0-9]*/environ; do
    pid=${environ#/proc/}
    pid=${pid%/environ}
    { tr '\0' '\n' <"$environ"; } 2>/dev/null | grep -qxF "DORVANE_RUN_TAG=$WORK" || continue
    case $(cat "/proc/$pid/comm" 2>/dev/null) in
      dbus-launch | dbus-daemon) found+=("$pid:$(cat "/proc/$pid/comm")") ;;
    esac
  done
  echo "${found[*]:-}"
}

tray_panel() {
  xwininfo -root -children 2>/dev/null | awk '/"panel": \("panel" "trayer"\)/ { print $1; exit }'
}

# the program's icons docked in the tray host now
tray_icon_count() {
  local panel
  panel=$(tray_panel)
  [ -n "$panel" ] || fail "the tray host is gone"
  { xwininfo -id "$panel" -tree 2>/dev/null || true; } | { grep -c '("dorvane" "dorvane")' || true; }
}

# wait_for_tray_icons COUNT SECONDS: docking follows the window's creation by a moment
wait_for_tray_icons() {
  local count=$1 seconds=$2
  for _ in $(seq $((seconds * 10))); do
    [ "$(tray_icon_count)" = "$count" ] && return 0
    sleep 0.1
  done
  return 1
}

# locks_on FILE...: the lines of /proc/locks on any of the files, and a
# note for a file whose exclusive lock cannot be taken
locks_on() {
  local file inode
  for file in "$@"; do
    [ -e "$file" ] || continue
    inode=$(stat -c %i "$file")
    awk -v inode="$inode" '{ n = split($6, id, ":"); if (id[n] == inode) print }' /proc/locks
    flock --nonblock --exclusive "$file" true || echo "$file: held"
  done
}

# check_whole FILE CARRIED SIZE: FILE is exactly the carried bytes, SIZE of
# them (a sanitized build's library is larger: DORVANE_SANITIZED_BUILD=1)
check_whole() {
  local file=$1 carried=$2 size=$3
  [ -f "$file" ] || fail "$file is missing"
  if [ "${DORVANE_SANITIZED_BUILD:-0}" = 0 ] || [ "$file" != "${file%.she}" ]; then
    [ "$(stat -c %s "$file")" = "$size" ] || fail "$file is $(stat -c %s "$file") bytes, not $size"
  fi
  cmp -s "$file" "$carried" || fail "$file differs from $carried"
}
