# Sourced by the Windows edition's tests: a Wine prefix for them, made once
# per build tree, and the environment every Wine run uses.
#
#   dorvane_wine_env PREFIX      export WINEPREFIX, WINEARCH, WINEDEBUG, LANG
#                                (zh_CN.UTF-8: the ANSI code page 936, GBK)
#   dorvane_wine_prefix PREFIX   the above, and make the prefix if it is not
#                                made yet (a lock serialises parallel tests)
#
# A made prefix is 32-bit, never asks to install Mono or Gecko, shows Chinese
# text under the Windows font names (they are replaced by a CJK font), and
# lets Wine draw its own window captions (no window manager on Xvfb).

dorvane_wine_env() {
  export WINEPREFIX=$1 WINEARCH=win32 WINEDEBUG=-all
  export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
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
  # a crashing program exits instead of opening winedbg's dialog
  echo '[HKEY_CURRENT_USER\Software\Wine\WineDbg]'
  echo '"ShowCrashDialog"=dword:00000000'
}

dorvane_wine_prefix() {
  local prefix=$1
  dorvane_wine_env "$prefix"
  [ -f "$prefix/.dorvane-ready" ] && return 0
  mkdir -p "$(dirname "$prefix")"
  (
    flock 9
    [ -f "$prefix/.dorvane-ready" ] && exit 0
    rm -rf "$prefix"
    # no display while booting, so nothing can open a window; and no offer
    # to install Mono or Gecko (Debian ships neither)
    DISPLAY= WINEDLLOVERRIDES=mscoree,mshtml= wineboot -i >/dev/null 2>&1 || { echo "wineboot failed for $prefix" >&2; exit 1; }
    # regedit reads UTF-16 with a byte order mark, so the Chinese names survive
    local reg=$prefix/dorvane.reg
    { printf '\xff\xfe'; dorvane_wine_registry | iconv -f UTF-8 -t UTF-16LE; } >"$reg"
    DISPLAY= wine regedit /S "$(winepath -w "$reg")" >/dev/null 2>&1 || { echo "regedit failed" >&2; exit 1; }
    wineserver -w
    touch "$prefix/.dorvane-ready"
  ) 9>"$prefix.lock"
}
