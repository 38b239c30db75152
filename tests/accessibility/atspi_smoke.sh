#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Starts the program on a private session bus and X server with accessibility on, and reads its
# main window through the AT-SPI registry as a screen reader does.  Skips (exit 77) where the
# bus, the X server or the AT-SPI pieces cannot be had; fails only on what the program shows.
set -uo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
skip() { echo "SKIPPED: $*"; exit 77; }
launcher=/usr/libexec/at-spi-bus-launcher
for tool in dbus-run-session xvfb-run; do command -v "$tool" >/dev/null || skip "$tool is not installed"; done
[ -x "$launcher" ] || skip "at-spi2-core is not installed"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is not installed"
dbus-run-session -- true >/dev/null 2>&1 || skip "a session bus cannot be started here"
xvfb-run -a true >/dev/null 2>&1 || skip "an X server cannot be started here"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/program" "$work/config" "$work/data"
cp "$program" "$work/program/bindlow"  # its folder is where it keeps MASTER.DBF
printf '[Misc]\r\nShow Tips=No\r\n' >"$work/config/KAVBOOK.INI"

export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
# An X server that xvfb-run chose but that went away before the program reached it (two servers
# starting at once can pick the same display) is no fault of the program: tried again, then skipped.
for attempt in 1 2 3; do
  xvfb-run -a dbus-run-session -- bash -c '
    "$0" --launch-immediately >/dev/null 2>&1 &
    launcher=$!
    "$1/program/bindlow" >"$1/program.log" 2>&1 &
    program=$!
    /usr/bin/python3 "$2" "$program"
    status=$?
    kill "$program" "$launcher" 2>/dev/null
    wait "$program" 2>/dev/null
    exit $status
  ' "$launcher" "$work" "$here/atspi_walk.py"
  status=$?
  grep -q "could not connect to display" "$work/program.log" 2>/dev/null || break
  [ $attempt -lt 3 ] || skip "the X server could not be reached"
done
[ $status -eq 0 ] || [ $status -eq 77 ] || { echo "program output:"; cat "$work/program.log" 2>/dev/null; }
exit $status
