#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Draws the PNG sizes of the program's icon from bindlow.svg (run after changing the drawing).
set -euo pipefail
cd "$(dirname "$0")"
for s in 16 32 48 64 128 256; do rsvg-convert -w "$s" -h "$s" bindlow.svg -o "bindlow-$s.png"; done
