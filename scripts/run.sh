#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
exec build/src/bindlow "$@"
