#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Dorvane
# needs, both editions: the Linux one, and the Windows one (mingw-w64 for
# i686, 32-bit Wine, nasm, NSIS, the zh_CN.UTF-8 locale) with the Debian
# source packages of the two libraries that edition builds for itself.
# Safe to run again: every step skips what is there already.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-webengine-dev libgl-dev
  libjpeg62-turbo-dev liblzma-dev libgif-dev
  # run
  libqt6webenginecore6-bin fonts-wqy-microhei xdg-utils
  # tests and the headless run
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool x11-utils imagemagick python3 dbus-x11 trayer util-linux
  # the Debian package (cpack's dependency scan) and the install tests' validators
  dpkg-dev file desktop-file-utils appstream
  # the fuzz targets: clang and its libFuzzer and sanitizer runtimes
  clang libclang-rt-14-dev
  # the format check of CI
  clang-format
  # the Windows edition: the cross compiler (both thread models; the build
  # uses the posix one and links libstdc++, libgcc and winpthread statically),
  # nasm for libjpeg-turbo's SIMD, NSIS for the installer, 32-bit Wine to run
  # it, and the locale whose code page is GBK's
  g++-mingw-w64-i686 g++-mingw-w64-i686-posix g++-mingw-w64-i686-win32
  nasm nsis wine wine32:i386 locales
  # where the machine runs no 32-bit user code (some virtual machines), the
  # same tests run as 64-bit Windows programs under 64-bit Wine
  g++-mingw-w64-x86-64-posix wine64
)

# Debian's source packages of the libraries the Windows edition links
# statically: fetched once here, built into the build tree by cmake.
source_packages=(libjpeg-turbo xz-utils)
source_cache=${DORVANE_SOURCE_CACHE:-/var/cache/dorvane/src}
deb_src_list=/etc/apt/sources.list.d/dorvane-deb-src.sources

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
apt_get() { apt-get -o DPkg::Lock::Timeout=900 "$@"; }
need_root() {
  if [ "$(id -u)" -ne 0 ]; then
    echo "setup: $1; run this script as root" >&2
    exit 1
  fi
}

# The deb-src entries mirror the machine's own Debian entries (same mirrors
# and suites), so the sources match the installed binaries' versions.
write_deb_src() {
  local from=/etc/apt/sources.list.d/debian.sources
  if [ -f "$from" ]; then
    sed -e 's/^Types:.*/Types: deb-src/' "$from"
  else
    cat <<'SRC'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb-src
URIs: http://deb.debian.org/debian-security
Suites: bookworm-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
  fi
}

update_needed=0
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  need_root "the i386 architecture is not enabled"
  dpkg --add-architecture i386
  update_needed=1
fi
if [ ! -f "$deb_src_list" ]; then
  need_root "there is no deb-src entry ($deb_src_list)"
  write_deb_src >"$deb_src_list"
  update_needed=1
fi

missing=()
for p in "${packages[@]}"; do
  installed "$p" || missing+=("$p")
done
if ((${#missing[@]})); then
  need_root "these packages are missing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt_get update -qq
  update_needed=0
  apt_get install -y -qq --no-install-recommends "${missing[@]}"
fi

# GBK is code page 936: Wine takes it from the zh_CN locale.
if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
  need_root "the zh_CN.UTF-8 locale is not generated"
  sed -i -E 's/^# *(zh_CN\.UTF-8 UTF-8)/\1/' /etc/locale.gen
  grep -qx 'zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' >>/etc/locale.gen
  locale-gen
fi

for s in "${source_packages[@]}"; do
  if ! compgen -G "$source_cache/$s-*/debian/changelog" >/dev/null; then
    need_root "the source package $s is not in $source_cache"
    if ((update_needed)); then
      apt_get update -qq
      update_needed=0
    fi
    mkdir -p "$source_cache"
    # the download runs as apt's own user, which must be able to write here
    chown _apt "$source_cache" 2>/dev/null || true
    (cd "$source_cache" && apt_get source -qq "$s")
  fi
done
