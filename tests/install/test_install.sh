#!/usr/bin/env bash
# `cmake --install` into a scratch DESTDIR, then what was installed: the
# program in a folder of its own with only a link in bin/, the engine library
# as the program carries it, the desktop entry and the metainfo (their
# validators), the theme icons (the icon file's pixels), and a run of the
# installed program through its bin/ link by an ordinary user who cannot write
# into the program's folder: it loads the installed library, groups with its
# desktop entry, closes on Esc with status 0 and leaves bin/ as it was.
#   test_install.sh BUILD_DIR PREFIX BUILT_ENGINE ICON_FILE
set -euo pipefail
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
REPO=$(cd "$HERE/../.." && pwd)
source "$REPO/tests/lib/harness.sh"
build=${1:?usage: $0 BUILD_DIR PREFIX BUILT_ENGINE ICON_FILE}
prefix=${2:?} engine=${3:?} icon=${4:?}

WORK=$(mktemp -d /tmp/dorvane-install.XXXXXX)
chmod 755 "$WORK"  # the test user walks through it
APP_PID=
cleanup() {
  [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null || true
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
  chmod -R u+w "$WORK" 2>/dev/null || true
  # the web engine's helpers may still be writing their cache for a moment
  [ -n "${KEEP_WORK:-}" ] || wait_until 10 rm -rf "$WORK" 2>/dev/null || rm -rf "$WORK"
}
trap cleanup EXIT

DESTDIR=$WORK/dest cmake --install "$build" >"$WORK/install.log" || {
  cat "$WORK/install.log" >&2
  fail "cmake --install failed"
}
root=$WORK/dest$prefix
echo "--- installed under DESTDIR:"
(cd "$WORK/dest" && find . -mindepth 1 \( -type l -printf '%M %P -> %l\n' \) -o \( -type f -printf '%M %P\n' \) | sort -k2)

# -- layout: the executable in its own folder, only a link to it in bin/
link=$root/bin/dorvane
[ -L "$link" ] || fail "$link is not a link"
program=$(readlink -f "$link")
progdir=$(dirname "$program")
[ -f "$program" ] && [ -x "$program" ] || fail "the link points at $program, no executable"
[ "$progdir" != "$(readlink -f "$root/bin")" ] || fail "the executable is in bin/ itself"
[ "$(ls -A "$root/bin")" = dorvane ] || fail "bin/ holds more than the link: $(ls -A "$root/bin")"
[ "$(ls -A "$progdir" | LC_ALL=C sort | tr '\n' ' ')" = "SkinH_EL.dll dorvane " ] ||
  fail "the program's folder holds $(ls -A "$progdir" | tr '\n' ' ')"

# -- the engine library: the built bytes, which the executable carries as its payload
library=$progdir/SkinH_EL.dll
cmp -s "$library" "$engine" || fail "the installed SkinH_EL.dll differs from the built one"
python3 - "$program" "$library" <<'PY' || fail "the executable does not carry the installed library's bytes"
import struct, sys
program, library = (open(p, "rb").read() for p in sys.argv[1:])
sys.exit(0 if struct.pack("<Ii", 1, len(library)) + library in program else 1)
PY
runpath=$(readelf -d "$program" | sed -n 's/.*(RUNPATH).*\[\(.*\)\]/\1/p')
# $ORIGIN is the real folder even through the link: the loader takes it from /proc/self/exe
case ":$runpath:" in *':$ORIGIN:'*) ;; *) fail "RUNPATH is '$runpath', without \$ORIGIN" ;; esac
echo "RUNPATH: $runpath"

# -- desktop entry and metainfo
desktops=("$root"/share/applications/*.desktop)
[ ${#desktops[@]} = 1 ] && [ -f "${desktops[0]}" ] || fail "want one desktop entry, found: ${desktops[*]}"
desktop=${desktops[0]}
app_id=$(basename "$desktop" .desktop)
metainfo=$root/share/metainfo/$app_id.metainfo.xml
[ -f "$metainfo" ] || fail "no $metainfo"
entry() { sed -n "s/^$1=//p" "$desktop"; }
echo "--- desktop-file-validate $(basename "$desktop"):"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
echo "(exit 0)"
echo "--- appstreamcli validate --no-net $(basename "$metainfo"):"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
echo "--- appstreamcli validate-tree --no-net (the metainfo with its desktop entry and icons):"
appstreamcli validate-tree --no-net "$root" || fail "appstreamcli validate-tree"
[ "$(entry Icon)" = "$app_id" ] || fail "Icon=$(entry Icon), not $app_id"
for key in 'Name' 'Name\[zh_CN\]' 'Comment' 'Categories' 'StartupWMClass'; do
  [ -n "$(entry "$key")" ] || fail "the desktop entry has no $key"
done
grep -q 'xml:lang="zh_CN"' "$metainfo" || fail "the metainfo has no Chinese text"
grep -q '<screenshot' "$metainfo" || fail "the metainfo has no screenshot"

# -- theme icons: all five sizes, the icon file's own pixels
theme=$root/share/icons/hicolor
for size in 16 32 48 64 128; do
  [ -f "$theme/${size}x$size/apps/$app_id.png" ] || fail "no ${size}x$size icon"
done
python3 "$HERE/same_pixels.py" "$icon" "$theme" "$app_id" || fail "theme icons differ from the icon file"

# -- a run by an ordinary user, through the link in bin/
home=$WORK/home
mkdir -p "$home"/{data,config,cache,runtime}
chmod 700 "$home/runtime"
run_as=()
if [ "$(id -u)" = 0 ]; then
  user=dorvane-install-test
  id -u "$user" >/dev/null 2>&1 ||
    useradd --system --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin "$user"
  chown -R "$user:" "$home"
  run_as=(setpriv --reuid="$(id -u "$user")" --regid="$(id -g "$user")" --clear-groups --)
else
  # the installing user owns the files: take the write permission away instead
  chmod a-w "$progdir" "$progdir"/*
fi
"${run_as[@]}" sh -c ": >'$progdir/write-probe'" 2>/dev/null &&
  fail "the test user can write into the program's folder, so the run would not show what it must"
before_bin=$(ls -lA --time-style=full-iso "$root/bin")
before_dir=$(ls -lA --time-style=full-iso "$progdir")

start_xvfb
trap cleanup EXIT
# a clean environment but for a sanitized build's options
sanitizer_options=()
for name in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS DBUS_SESSION_BUS_ADDRESS; do
  [ -n "${!name:-}" ] && sanitizer_options+=("$name=${!name}")
done
# a dead proxy: the home page fails at once instead of reaching the network
"${run_as[@]}" env -i HOME="$home" PATH=/usr/bin:/bin DISPLAY="$DISPLAY" LANG=C.UTF-8 \
  XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" XDG_CACHE_HOME="$home/cache" \
  XDG_RUNTIME_DIR="$home/runtime" QTWEBENGINE_CHROMIUM_FLAGS=--proxy-server=http://127.0.0.1:9 \
  "${sanitizer_options[@]}" "$link" >"$WORK/program.out" 2>&1 &
APP_PID=$!
window=$(wait_for_window "$APP_PID" 90) || {
  cat "$WORK/program.out" >&2
  fail "the window did not show"
}
mapped=$(awk '/SkinH_EL/ {print $6}' "/proc/$APP_PID/maps" | sort -u)
[ "$mapped" = "$library" ] || fail "the engine mapped from '$mapped', not from $library"
echo "engine loaded from: $mapped"
wm_class=$(xprop -id "$window" WM_CLASS)
echo "$wm_class"
[ "$(sed -n 's/.*= "[^"]*", "\([^"]*\)"$/\1/p' <<<"$wm_class")" = "$(entry StartupWMClass)" ] ||
  fail "WM_CLASS does not match StartupWMClass=$(entry StartupWMClass)"
skin=$home/data/dorvane/drive_c/WINDOWS/system32/drivers/kiss.she
[ "$(stat -c %s "$skin" 2>/dev/null)" = 13192 ] || fail "no skin file in the user's drive C: folder"

expect_clean_close "$window" "$APP_PID" "$WORK/program.out"
APP_PID=

[ "$(ls -lA --time-style=full-iso "$root/bin")" = "$before_bin" ] || fail "bin/ changed during the run"
[ "$(ls -lA --time-style=full-iso "$progdir")" = "$before_dir" ] || fail "the program's folder changed during the run"
cmp -s "$library" "$engine" || fail "the installed SkinH_EL.dll changed during the run"
echo "install: ok"
