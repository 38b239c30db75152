#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Installs the build into a temporary prefix and checks what a desktop and a packager see there.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
fail() { echo "FAIL: $*" >&2; exit 1; }

for f in bin/bindlow bin/bindlow-dbf share/bindlow/KAVBOOK.HLP share/applications/bindlow.desktop \
         share/metainfo/org.bindlow.Books97.metainfo.xml share/icons/hicolor/scalable/apps/bindlow.svg \
         share/icons/hicolor/48x48/apps/bindlow.png share/icons/hicolor/256x256/apps/bindlow.png \
         share/man/man1/bindlow-dbf.1; do
  [ -f "$prefix/$f" ] || fail "$f is not installed"
done
[ -x "$prefix/bin/bindlow" ] && [ -x "$prefix/bin/bindlow-dbf" ] || fail "the programs are not executable"

desktop-file-validate "$prefix/share/applications/bindlow.desktop" || fail "desktop entry"
grep -qx 'Name=Bindlow Books 97' "$prefix/share/applications/bindlow.desktop" || fail "desktop name"
grep -q '^Categories=Office;' "$prefix/share/applications/bindlow.desktop" || fail "desktop category"
appstreamcli validate --no-net "$prefix/share/metainfo/org.bindlow.Books97.metainfo.xml" >/dev/null || fail "metainfo"

# the tool's usage, and the same commands in its manual page
usage=$("$prefix/bin/bindlow-dbf" --help) || fail "bindlow-dbf --help exits $?"
for cmd in info dump check index reindex pack recover; do
  grep -q "bindlow-dbf $cmd FILE.DBF" <<<"$usage" || fail "usage lacks $cmd"
  grep -q "^\.B bindlow-dbf $cmd\$" "$prefix/share/man/man1/bindlow-dbf.1" || fail "manual page lacks $cmd"
done
man -l "$prefix/share/man/man1/bindlow-dbf.1" >/dev/null 2>&1 || fail "manual page does not format"

# the program answers without a display
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/bindlow" --version)" = "Bindlow Books 97 3.2b" ] || fail "bindlow --version"
echo "installed and checked in $prefix"
