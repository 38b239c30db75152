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
         share/man/man1/bindlow.1.gz share/man/man1/bindlow-dbf.1.gz share/doc/bindlow/copyright \
         share/doc/bindlow/changelog.gz; do
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
  zgrep -q "^\.B bindlow-dbf $cmd\$" "$prefix/share/man/man1/bindlow-dbf.1.gz" || fail "manual page lacks $cmd"
done
for page in bindlow bindlow-dbf; do
  man -l "$prefix/share/man/man1/$page.1.gz" >/dev/null 2>&1 || fail "manual page $page does not format"
done
# every option of the program's usage is in its manual page
for option in /BROWSE --browse --report --output --database --help --version; do
  "$prefix/bin/bindlow" --help | grep -qe "$option" || fail "usage lacks $option"
  zcat "$prefix/share/man/man1/bindlow.1.gz" | sed 's/\\-/-/g' | grep -qe "$option" || fail "manual page lacks $option"
done

# the program answers without a display
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/bindlow" --version)" = "Bindlow Books 97 3.2b" ] || fail "bindlow --version"
echo "installed and checked in $prefix"
