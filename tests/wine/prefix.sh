# Sourced by the Windows edition's tests: the Wine prefix they run in, made
# once per build tree, and the environment every Wine run uses.
#
#   dorvane_wine_env PREFIX [ARCH]   export WINEPREFIX, WINEARCH (win32, the
#                                    default, or win64), WINEDEBUG=-all and
#                                    LANG=zh_CN.UTF-8 (ANSI code page 936:
#                                    GBK); set DORVANE_WINE to the loader
#   dorvane_wine ARGUMENTS...        run that loader: dorvane_wine prog.exe ...
#   dorvane_wine_keep_server SECONDS keep the prefix's Wine running between runs
#   dorvane_wine_prefix PREFIX [ARCH]  dorvane_wine_env, and make the prefix
#                                    if it is not made yet (a lock serialises
#                                    parallel tests)
#   dorvane_wine_runs ARCH           whether this host can start that Wine at
#                                    all (win32 needs 32-bit user code, which
#                                    some virtual machines do not run)
#
# A made prefix never asks to install Mono or Gecko, shows Chinese text under
# the Windows font names (they are replaced by a CJK font), and lets Wine
# draw its own window captions (no window manager on Xvfb).

dorvane_wine_loader() {
  case $1 in
    win32) echo /usr/lib/wine/wine ;;
    win64) echo /usr/lib/wine/wine64 ;;
    *) echo "unknown Wine architecture: $1" >&2; return 1 ;;
  esac
}

dorvane_wine_env() {
  local arch=${2:-win32}
  DORVANE_WINE=$(dorvane_wine_loader "$arch") || return 1
  # Wine takes only an absolute prefix
  export WINEPREFIX=$(realpath -m "$1") WINEARCH=$arch WINEDEBUG=-all
  export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
  # the programs Wine itself starts use the same loader
  export WINELOADER=$DORVANE_WINE
}

dorvane_wine() { "$DORVANE_WINE" "$@"; }

# Keeps the prefix's wineserver, and with it Wine's own service processes,
# running SECONDS after the last program ends: each short test run then
# starts in about a second instead of starting Wine's session anew. Nothing
# happens if the server runs already.
dorvane_wine_keep_server() {
  local server=/usr/lib/wine/wineserver64
  [ -x "$server" ] || server=/usr/lib/wine/wineserver32
  "$server" "-p$1" >/dev/null 2>&1 || true
}

dorvane_wine_runs() {
  local loader
  loader=$(dorvane_wine_loader "$1") && "$loader" --version >/dev/null 2>&1
}

# The font Wine draws every Windows font name in.
DORVANE_WINE_CJK_FONT=${DORVANE_WINE_CJK_FONT:-WenQuanYi Micro Hei}

dorvane_wine_registry() {
  local font=$DORVANE_WINE_CJK_FONT name
  echo 'Windows Registry Editor Version 5.00'
  echo
  echo '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]'
  for name in SimSun NSimSun 宋体 新宋体 SimHei 黑体 'Microsoft YaHei' 微软雅黑 \
    Tahoma 'MS Shell Dlg' 'MS Shell Dlg 2' 'MS Sans Serif' Arial 'Segoe UI'; do
    echo "\"$name\"=\"$font\""
  done
  echo
  echo '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]'
  echo '"Decorated"="N"'
  echo
  # a crashing program ends instead of waiting in the debugger's dialog
  echo '[HKEY_CURRENT_USER\Software\Wine\WineDbg]'
  echo '"ShowCrashDialog"=dword:00000000'
}

dorvane_wine_prefix() {
  local prefix arch=${2:-win32}
  prefix=$(realpath -m "$1")
  dorvane_wine_env "$prefix" "$arch" || return 1
  [ -f "$prefix/.dorvane-ready" ] && return 0
  mkdir -p "$(dirname "$prefix")"
  (
    flock 9
    [ -f "$prefix/.dorvane-ready" ] && exit 0
    rm -rf "$prefix"
    # no display while booting, so nothing can open a window; and no offer
    # to install Mono or Gecko (Debian ships neither)
    DISPLAY= WINEDLLOVERRIDES=mscoree,mshtml= dorvane_wine wineboot -i >/dev/null 2>&1 \
      || { echo "wineboot failed for $prefix ($arch)" >&2; exit 1; }
    # regedit reads UTF-16 with a byte order mark, so the Chinese names survive
    local reg=$prefix/drive_c/dorvane.reg
    { printf '\xff\xfe'; dorvane_wine_registry | iconv -f UTF-8 -t UTF-16LE; } >"$reg"
    DISPLAY= dorvane_wine regedit /S 'C:\dorvane.reg' >/dev/null 2>&1 || { echo "regedit failed" >&2; exit 1; }
    /usr/lib/wine/wineserver -w
    touch "$prefix/.dorvane-ready"
  ) 9>"$prefix.lock"
}
