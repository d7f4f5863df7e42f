# The one shell library of every script that runs the real program under a
# virtual display: the end-to-end, fault and soak tests, the install and
# package tests, scripts/run.sh and bench/startup. Sourcing it only defines
# functions and names this folder and the repository (HARNESS_DIR, REPO_DIR).
#
# The program's command is what a test script is given, for example
#   build/default/src/dorvane
#   wine build/win32/src/dorvane.exe
# Its last word is the program's file, which prepare_run copies into a run
# directory of its own (the program writes its engine library beside itself);
# the words before it start that copy. Windows are found by their title among
# those of the started process.
#
#   waits       wait_until, wait_for_window, wait_for_end, wait_for_exit,
#               wait_for_line, wait_for_tray_icons, wait_for_region_change,
#               capture_when_drawn
#   display     start_xvfb, main_window, visible_windows, window_titled,
#               press_at, region_signature, close_with_escape,
#               expect_clean_close
#   helpers     start_proxy, start_tray_host, tray_panel, tray_icon_ids,
#               tray_icon_count, register_tencent_handler
#   a run       prepare_run, launch_program, start_program, fail, cleanup
#   leftovers   mark_our_processes, tagged_pids, our_processes, none_of_ours,
#               autolaunched_bus, locks_on, check_whole

HARNESS_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
REPO_DIR=$(cd "$HARNESS_DIR/../.." && pwd)

# ---- waits. Their bounds are generous: on a loaded machine even a helper's
# start takes seconds, and a bound costs time only when something is wrong.

# wait_until SECONDS COMMAND...: runs COMMAND until it succeeds, every
# WAIT_STEP seconds (0.1; 0 spins); fails once SECONDS have passed without
wait_until() {
  local seconds=$1 step=${WAIT_STEP:-0.1} deadline
  shift
  deadline=$((${EPOCHREALTIME//[!0-9]/} + seconds * 1000000))
  until "$@"; do
    ((${EPOCHREALTIME//[!0-9]/} < deadline)) || return 1
    [ "$step" = 0 ] || sleep "$step"
  done
}

# wait_for_window PID SECONDS: prints the X id of PID's main window once it
# shows; fails when PID ends first
wait_for_window() {
  local pid=$1 id
  wait_until "$2" _window_or_end "$pid" || return 1
  id=$(main_window "$pid")
  [ -n "$id" ] && echo "$id"
}
_window_or_end() { [ -n "$(main_window "$1")" ] || ! kill -0 "$1" 2>/dev/null; }

# wait_for_end PID SECONDS: waits for PID, a child of this shell, and sets
# EXIT_STATUS; fails when it has not ended by then
wait_for_end() {
  local pid=$1
  wait_until "$2" _ended "$pid" || return 1
  EXIT_STATUS=0
  wait "$pid" || EXIT_STATUS=$?
}
_ended() { ! kill -0 "$1" 2>/dev/null; }

# wait_for_exit SECONDS: the program of a run (APP_PID) ends; sets EXIT_STATUS
wait_for_exit() {
  wait_for_end "$APP_PID" "$1" || fail "the program did not end"
}

# wait_for_line FILE LINE SECONDS: the fixed string LINE appears as a whole line
wait_for_line() {
  wait_until "$3" _has_line "$1" "$2"
}
_has_line() { grep -qxF -- "$2" "$1" 2>/dev/null; }

# wait_for_tray_icons COUNT SECONDS: docking follows the window's creation by
# a moment, and undocking its end
wait_for_tray_icons() {
  wait_until "$2" _tray_icons_are "$1"
}
_tray_icons_are() { [ "$(tray_icon_count)" = "$1" ]; }

# wait_for_region_change WINDOW GEOMETRY SIGNATURE SECONDS: the pixels in
# GEOMETRY of WINDOW are no longer those region_signature gave as SIGNATURE
wait_for_region_change() {
  wait_until "$4" _region_differs "$1" "$2" "$3"
}
_region_differs() {
  local now
  now=$(region_signature "$1" "$2") || return 1
  [ "$now" != "$3" ]
}

# capture_when_drawn WINDOW FILE GEOMETRY SECONDS: saves WINDOW into FILE once
# GEOMETRY (WxH+X+Y in the window) holds a picture, not one flat colour, and
# two captures in a row agree on it: the first paint is over
capture_when_drawn() {
  local last=""  # the previous look's, which _drawn_and_still keeps here
  wait_until "$4" _drawn_and_still "$1" "$2" "$3"
}
_drawn_and_still() {
  local now
  import -window "$1" "$2" 2>/dev/null || return 1
  # the region's pixel hash and its spread of values (0 for one flat colour)
  now=$(convert "$2" -crop "$3" +repage -format '%# %[fx:standard_deviation]' info:) || return 1
  [ "$now" = "$last" ] && awk -v s="${now#* }" 'BEGIN { exit !(s > 0.01) }' && return 0
  last=$now
  return 1
}

# ---- the display

# start_xvfb: starts Xvfb ($XVFB_SCREEN, 1280x800x24) on a free display number
# and exports DISPLAY; cleanup stops it (or the caller, kill $XVFB_PID)
start_xvfb() {
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 "${XVFB_SCREEN:-1280x800x24}" -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    wait_until 30 _display_answers && return 0
    echo "Xvfb did not answer on :$n" >&2
    return 1
  done
  echo "no free display" >&2
  return 1
}
_display_answers() { xdpyinfo >/dev/null 2>&1; }

# main_window PID: the X id of PID's visible main window, if it shows
main_window() {
  { xdotool search --all --onlyvisible --pid "$1" --name 'DorvaneV6' 2>/dev/null || true; } | head -n 1
}

# visible_windows PID: the X ids of PID's visible windows
visible_windows() {
  xdotool search --onlyvisible --pid "$1" 2>/dev/null || true
}

# window_titled PID TITLE: the X id of PID's visible window titled TITLE, if any
window_titled() {
  local window
  for window in $(visible_windows "$1"); do
    [ "$(xdotool getwindowname "$window" 2>/dev/null)" = "$2" ] && echo "$window" && return 0
  done
  return 0
}

# press_at X Y [BUTTON]: a real X click at a point of WINDOW's client area
press_at() {
  local x=$1 y=$2 button=${3:-1}
  eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
  xdotool mousemove --sync $((X + x)) $((Y + y)) click "$button"
}

# region_signature WINDOW GEOMETRY: a hash of the pixels in GEOMETRY (WxH+X+Y)
region_signature() {
  import -window "$1" png:- 2>/dev/null | convert png:- -crop "$2" +repage -format '%#' info:
}

# close_with_escape WINDOW PID [SECONDS]: Esc to the focused window, then wait_for_end
close_with_escape() {
  xdotool windowfocus --sync "$1" 2>/dev/null || true
  xdotool key Escape
  wait_for_end "$2" "${3:-30}"
}

# expect_clean_close WINDOW PID OUTPUT: Esc ends PID within 30 s, with exit
# status 0; where not, the script fails, showing the program's OUTPUT file
expect_clean_close() {
  close_with_escape "$1" "$2" 30 || fail "the program did not end after Esc"
  [ "$EXIT_STATUS" = 0 ] || {
    cat "$3" >&2
    fail "exit status $EXIT_STATUS after Esc"
  }
}

# ---- helpers on the display: the proxy, the tray host, the scheme handler

# start_proxy [LIFETIME]: the logging proxy on a free port of 127.0.0.1,
# writing every request to $PROXY_LOG and ending by itself after LIFETIME
# seconds (170); the web engine of every program started later goes through it
start_proxy() {
  python3 "$HARNESS_DIR/logging_proxy.py" --log "$PROXY_LOG" --port-file "$WORK/port" \
    --lifetime "${1:-170}" &
  PIDS+=($!)
  wait_until 30 test -s "$WORK/port" || fail "the proxy did not start"
  export QTWEBENGINE_CHROMIUM_FLAGS="--proxy-server=http://127.0.0.1:$(cat "$WORK/port") --proxy-bypass-list=<-loopback>"
}

# start_tray_host: an XEmbed notification area (trayer), as wide as its icons
start_tray_host() {
  trayer --edge top --align right --widthtype request --height 24 --transparent false \
    --SetDockType false --SetPartialStrut false >"$WORK/trayer.log" 2>&1 &
  PIDS+=($!)
  wait_until 30 _tray_panel_shows || fail "the tray host did not start"
}
_tray_panel_shows() { [ -n "$(tray_panel)" ]; }

tray_panel() {
  xwininfo -root -children 2>/dev/null | awk '/"panel": \("panel" "trayer"\)/ { print $1; exit }'
}

# tray_icon_ids: the X ids of the program's icons docked in the tray host now
tray_icon_ids() {
  local panel
  panel=$(tray_panel)
  [ -n "$panel" ] || fail "the tray host is gone"
  { xwininfo -id "$panel" -tree 2>/dev/null || true; } | awk '/\("dorvane" "dorvane"\)/ { print $1 }'
}

tray_icon_count() {
  tray_icon_ids | wc -l
}

# register_tencent_handler: a handler for tencent: links that writes each
# link it is given to $HANDLER_LOG
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

# ---- a run of the program

# prepare_run COMMAND...: a scratch folder WORK holding the run directory
# RUN_DIR with the copy PROGRAM of the program's file, and XDG folders of its
# own; cleanup on exit. Sets PROGRAM_COMMAND (the command that starts the
# copy), the carried files' places LIBRARY_FILE and SKIN_FILE, and
# CARRIED_LIBRARY, the built library they are compared with: the
# DORVANE_BUILT_SKIN_LIBRARY, else skin/SkinH_EL.dll in the build tree.
# WINDOWS_EDITION is 1 for a .exe, whose skin file is DORVANE_WINE_SKIN_FILE.
prepare_run() {
  (($#)) || {
    echo "usage: $0 [LAUNCHER...] path/to/program" >&2
    exit 2
  }
  BUILT_PROGRAM=${!#}
  [ -f "$BUILT_PROGRAM" ] || {
    echo "no program at $BUILT_PROGRAM" >&2
    exit 2
  }
  WORK=$(mktemp -d /tmp/dorvane-e2e.XXXXXX)
  RUN_DIR=$WORK/run
  mkdir -p "$RUN_DIR" "$WORK/data" "$WORK/config" "$WORK/runtime"
  chmod 700 "$WORK/runtime"
  export XDG_DATA_HOME=$WORK/data XDG_CONFIG_HOME=$WORK/config XDG_RUNTIME_DIR=$WORK/runtime
  PROGRAM=$RUN_DIR/$(basename "$BUILT_PROGRAM")
  cp "$BUILT_PROGRAM" "$PROGRAM"
  PROGRAM_COMMAND=("${@:1:$#-1}" "$PROGRAM")
  LIBRARY_FILE=$RUN_DIR/SkinH_EL.dll
  SKIN_FILE=$XDG_DATA_HOME/dorvane/drive_c/WINDOWS/system32/drivers/kiss.she
  CARRIED_LIBRARY=${DORVANE_BUILT_SKIN_LIBRARY:-$(dirname "$BUILT_PROGRAM")/../skin/SkinH_EL.dll}
  # The Windows edition (a .exe under Wine) writes the skin file into its
  # prefix's system32, which the test names; a copy left by an earlier run
  # must not pass for this one's.
  WINDOWS_EDITION=0
  if [ "${BUILT_PROGRAM%.exe}" != "$BUILT_PROGRAM" ]; then
    WINDOWS_EDITION=1
    SKIN_FILE=${DORVANE_WINE_SKIN_FILE:?the Windows edition needs DORVANE_WINE_SKIN_FILE}
    rm -f "$SKIN_FILE"
  fi
  PROXY_LOG=$WORK/requests.log
  HANDLER_LOG=$WORK/tencent.log
  : >"$PROXY_LOG"
  PIDS=()
  trap cleanup EXIT
  [ -f "$CARRIED_LIBRARY" ] || fail "no built library at $CARRIED_LIBRARY"
}

# cleanup: ends what the run started (PIDS, Xvfb) and removes WORK, unless KEEP_WORK
cleanup() {
  local pid
  for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
  [ -n "${KEEP_WORK:-}" ] || rm -rf "$WORK"
}

# fail MESSAGE: ends the script with status 1, showing the proxy's requests
fail() {
  echo "FAIL: $*" >&2
  if [ -s "${PROXY_LOG:-}" ]; then
    echo "--- requests seen:" >&2
    cat "$PROXY_LOG" >&2
  fi
  exit 1
}

# launch_program: starts the program in the background; sets APP_PID
launch_program() {
  "${PROGRAM_COMMAND[@]}" >>"$WORK/program.out" 2>&1 &
  APP_PID=$!
  PIDS+=("$APP_PID")
}

# start_program: launch_program, then its main window shows; sets WINDOW
start_program() {
  launch_program
  WINDOW=$(wait_for_window "$APP_PID" 90) || fail "the window did not show"
  xdotool windowfocus --sync "$WINDOW" 2>/dev/null || true
}

# ---- what a run leaves behind. Other copies of the program may run on this
# machine at the same time, so "ours" means the processes that carry this
# run's tag.

# mark_our_processes: every process started from here on inherits the tag
# (the web engine's helpers too), whatever it names itself
mark_our_processes() {
  export DORVANE_RUN_TAG=$WORK
}

# tagged_pids: the processes that carry this run's tag
tagged_pids() {
  local environ pid
  for environ in /proc/[0-9]*/environ; do
    pid=${environ#/proc/}
    pid=${pid%/environ}
    { tr '\0' '\n' <"$environ"; } 2>/dev/null | grep -qxF "DORVANE_RUN_TAG=$WORK" && echo "$pid"
  done
  return 0
}

# our_processes: "pid:name" of every live process of ours: tagged and running
# the program's file or the web engine's helper, whatever it calls itself (a
# child the program forked and that never reached its exec keeps the
# program's file)
our_processes() {
  local pid exe found=()
  for pid in $(tagged_pids); do
    exe=$(readlink "/proc/$pid/exe" 2>/dev/null) || continue
    case ${exe% (deleted)} in
      "$PROGRAM" | */QtWebEngineProcess) found+=("$pid:$(cat "/proc/$pid/comm" 2>/dev/null)") ;;
    esac
  done
  echo "${found[*]:-}"
}

none_of_ours() { [ -z "$(our_processes)" ]; }

# autolaunched_bus: "pid:name" of the session bus that libdbus starts for the
# program where none runs (dbus-launch --autolaunch); it lives as long as the
# display
autolaunched_bus() {
  local pid found=()
  for pid in $(tagged_pids); do
    case $(cat "/proc/$pid/comm" 2>/dev/null) in
      dbus-launch | dbus-daemon) found+=("$pid:$(cat "/proc/$pid/comm")") ;;
    esac
  done
  echo "${found[*]:-}"
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
