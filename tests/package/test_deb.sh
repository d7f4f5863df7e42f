#!/usr/bin/env bash
# The Debian package, on this machine, as root: cpack -G DEB from a built
# tree, its declared dependencies, `apt-get install ./dorvane_*.deb`, a run of
# /usr/bin/dorvane under Xvfb closed with Esc (status 0; the run's rewrite of
# its library leaves the packaged bytes), then a purge that leaves nothing in
# /usr/lib/dorvane.
#   test_deb.sh BUILD_DIR
set -euo pipefail
REPO=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
source "$REPO/tests/lib/harness.sh"
build=$(cd "${1:?usage: $0 BUILD_DIR}" && pwd)

[ "$(id -u)" = 0 ] || fail "installs a package: run as root"
if dpkg-query -W -f='${Status}' dorvane 2>/dev/null | grep -q 'ok installed'; then
  fail "a dorvane package is installed already; remove it first (apt-get purge dorvane)"
fi

WORK=$(mktemp -d /tmp/dorvane-deb.XXXXXX)
chmod 755 "$WORK"  # apt reads the .deb as its own unprivileged user
APP_PID=
INSTALLED=
cleanup() {
  [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null || true
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
  [ -n "$INSTALLED" ] && apt-get purge -y -qq dorvane >/dev/null 2>&1 || true
  # the web engine's helpers may still be writing their cache for a moment
  [ -n "${KEEP_WORK:-}" ] || wait_until 10 rm -rf "$WORK" 2>/dev/null || rm -rf "$WORK"
}
trap cleanup EXIT
export DEBIAN_FRONTEND=noninteractive

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$WORK" >"$WORK/cpack.log" 2>&1 || {
  cat "$WORK/cpack.log" >&2
  fail "cpack"
}
debs=("$WORK"/dorvane_*.deb)
[ ${#debs[@]} = 1 ] && [ -f "${debs[0]}" ] || fail "want one dorvane_*.deb, found: ${debs[*]}"
deb=${debs[0]}
chmod 644 "$deb"
echo "--- $(basename "$deb"):"
dpkg-deb --field "$deb" Package Version Architecture Depends
echo "--- contents:"
dpkg-deb --contents "$deb" | awk '{print $1, $6, $7, $8}'

# what the program needs at run time, whichever way the list was made
depends=$(dpkg-deb --field "$deb" Depends)
for needed in libqt6widgets6 libqt6webenginewidgets6 libqt6webenginecore6-bin libjpeg62-turbo liblzma5 \
  'fonts-wqy-microhei | fonts-noto-cjk' xdg-utils; do
  grep -qF -- "$needed" <<<"$depends" || fail "Depends lacks $needed"
done

(cd "$WORK" && apt-get install -y -qq "./$(basename "$deb")") >"$WORK/apt.log" 2>&1 || {
  cat "$WORK/apt.log" >&2
  fail "apt-get install"
}
INSTALLED=1
[ "$(readlink -f /usr/bin/dorvane)" = /usr/lib/dorvane/dorvane ] || fail "/usr/bin/dorvane does not lead to /usr/lib/dorvane/dorvane"

# root's own folders stay as they are: the run gets scratch XDG folders
mkdir -p "$WORK"/{data,config,cache,runtime}
chmod 700 "$WORK/runtime"
start_xvfb
trap cleanup EXIT
XDG_DATA_HOME=$WORK/data XDG_CONFIG_HOME=$WORK/config XDG_CACHE_HOME=$WORK/cache XDG_RUNTIME_DIR=$WORK/runtime \
  QTWEBENGINE_CHROMIUM_FLAGS=--proxy-server=http://127.0.0.1:9 /usr/bin/dorvane >"$WORK/program.out" 2>&1 &
APP_PID=$!
window=$(wait_for_window "$APP_PID" 90) || {
  cat "$WORK/program.out" >&2
  fail "the window did not show"
}
expect_clean_close "$window" "$APP_PID" "$WORK/program.out"
APP_PID=
# root could write beside the executable: what it wrote must be the packaged bytes
verify=$(dpkg --verify dorvane 2>&1) || true
[ -z "$verify" ] || fail "the installed files differ from the package's: $verify"
[ "$(ls -A /usr/lib/dorvane | LC_ALL=C sort | tr '\n' ' ')" = "SkinH_EL.dll dorvane " ] ||
  fail "/usr/lib/dorvane holds $(ls -A /usr/lib/dorvane | tr '\n' ' ')"

apt-get purge -y -qq dorvane >"$WORK/purge.log" 2>&1 || {
  cat "$WORK/purge.log" >&2
  fail "apt-get purge"
}
INSTALLED=
[ ! -e /usr/lib/dorvane ] || fail "left in /usr/lib/dorvane: $(ls -A /usr/lib/dorvane)"
[ ! -e /usr/bin/dorvane ] && [ ! -L /usr/bin/dorvane ] || fail "/usr/bin/dorvane is left"
echo "package: ok"
