#!/usr/bin/env bash
# Runs the BrowserPane tests under Wine on a private Xvfb, with the control's
# requests going to a local logging proxy through http_proxy (Wine's wininet
# takes it from the environment), then once more with the control's DLL
# disabled, where creation must fail.
#   browser_pane_test.sh RUNNER... PROGRAM.exe
# RUNNER is the build's Wine runner (tests/wine/run.sh and its arguments).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(cd "$here/../.." && pwd)
source "$repo/tests/lib/harness.sh"

runner=("${@:1:$#-1}")
program=${!#}
work=$(mktemp -d /tmp/dorvane-win32-browser.XXXXXX)
proxy_pid=
cleanup() {
  [ -n "$proxy_pid" ] && kill "$proxy_pid" 2>/dev/null || true
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
  [ -n "${KEEP_WORK:-}" ] || rm -rf "$work"
}
trap cleanup EXIT

start_xvfb
: >"$work/requests.log"
# the end-to-end tests' proxy (its folder moves from tests/e2e to tests/lib)
proxy=$repo/tests/lib/logging_proxy.py
[ -f "$proxy" ] || proxy=$repo/tests/e2e/logging_proxy.py
python3 "$proxy" --log "$work/requests.log" --port-file "$work/port" \
  --lifetime 280 &
proxy_pid=$!
for _ in $(seq 50); do [ -s "$work/port" ] && break; sleep 0.1; done
[ -s "$work/port" ] || { echo "the logging proxy did not start" >&2; exit 1; }

unset no_proxy NO_PROXY https_proxy HTTPS_PROXY
export http_proxy=http://127.0.0.1:$(cat "$work/port")
# the same file as Wine's Z: drive sees it
export DORVANE_PROXY_LOG="Z:${work//\//\\}\\requests.log"

status=0
"${runner[@]}" "$program" || status=$?
DORVANE_NO_WEBBROWSER=1 WINEDLLOVERRIDES=ieframe=d "${runner[@]}" "$program" \
  --gtest_filter='*WithoutTheControl*' || status=$?
echo "--- requests the proxy saw:"
cat "$work/requests.log"
exit $status
