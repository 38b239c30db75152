#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh -DBINDLOW_TESTS=ON
cd build
QT_QPA_PLATFORM=offscreen ctest -j2 --output-on-failure
