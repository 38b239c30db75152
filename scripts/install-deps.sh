#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Installs the Debian packages the build, the tests and the program need.
# Quiet and idempotent: does nothing when every package is present.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev libgl-dev
  qt6-l10n-tools qt6-translations-l10n
  libgtest-dev libgmock-dev
  python3 python3-dbfread libdbd-xbase-perl perl
  fonts-liberation2 fontconfig
  xvfb xauth imagemagick openbox xdotool
  clang libclang-rt-14-dev
  desktop-file-utils appstream dpkg-dev man-db librsvg2-bin
  locales-all poppler-utils pgdbf
  at-spi2-core python3-pyatspi dbus
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "Installing: ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq >/dev/null
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
