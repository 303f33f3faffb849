#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build, run and test Velomira.
# Only missing packages are installed, so a second run returns at once.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config git ccache
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins
  libcurl4-openssl-dev libzip-dev libsqlite3-dev libcpp-httplib-dev libsodium-dev libmicrohttpd-dev libxml2-dev
  libgif-dev libgtest-dev libgmock-dev libbenchmark-dev
  clang-14 libclang-rt-14-dev
  xvfb xauth xdotool x11-apps imagemagick dbus dbus-x11
  microsocks dante-server tinyproxy-bin wrk xmltv-util
  fonts-dejavu-core
  dpkg-dev lintian desktop-file-utils appstream file systemd
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
