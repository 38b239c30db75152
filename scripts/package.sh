#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds the program without tests and makes a Debian package of it in build-package/, then runs
# lintian on it when lintian is installed (any output fails the script).
# Install it with: sudo apt install ./build-package/bindlow_3.2b_amd64.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
# Debian's hardening flags (fortified functions, read-only relocations, bind now)
eval "$(dpkg-buildflags --export=sh)"
export CXXFLAGS="$CXXFLAGS $CPPFLAGS"
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DBINDLOW_TESTS=OFF -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build build-package -j2
(cd build-package && cpack -G DEB >/dev/null)
deb=$(ls build-package/*.deb)
echo "$deb"
if command -v lintian >/dev/null; then
  # lintian warns about being run as root; an unprivileged user sees only the package
  as_user=()
  if [ "$(id -u)" -eq 0 ] && command -v runuser >/dev/null; then as_user=(runuser -u nobody --); fi
  out=$("${as_user[@]}" lintian "$deb" 2>&1 || true)
  if [ -n "$out" ]; then
    echo "$out" >&2
    exit 1
  fi
  echo "lintian: no error, no warning"
fi
