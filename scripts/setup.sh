#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Dorvane
# needs. Safe to run again: apt-get skips what is there already.
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
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  if [ "$(id -u)" -ne 0 ]; then
    echo "setup: these packages are missing; run as root to install them: ${missing[*]}" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
