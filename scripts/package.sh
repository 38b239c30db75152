#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds the program without tests and makes a Debian package of it in build-package/.
# Install it with: sudo apt install ./build-package/bindlow_3.2b_amd64.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DBINDLOW_TESTS=OFF -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build build-package -j2
(cd build-package && cpack -G DEB >/dev/null)
ls build-package/*.deb
