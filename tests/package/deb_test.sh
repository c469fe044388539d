#!/usr/bin/env bash
# Builds the .deb and unpacks it into a private root, leaving the machine alone:
# its menu entry and AppStream metadata must validate and lintian must report no
# error. The unpacked command is then started from another directory, with an
# opener on PATH that notes its argument: Help must hand it the unpacked help
# page, and Exit must leave KORVANE.INI in ~/.config/korvane/ and nowhere else.
# Usage: deb_test.sh CPACK PATH/TO/CPackConfig.cmake
set -euo pipefail
source "$(dirname "$0")/../support/x_session.sh"

start_session
"$1" -G DEB --config "$2" -B "$dir/out" >"$dir/cpack.log" || fail "cpack: $(cat "$dir/cpack.log")"
deb="$dir/out/korvane_1.0.0_amd64.deb"
root="$dir/root"
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.xml
lintian --fail-on error "$deb"
grep -q '<p>Version 1.0.0</p>' "$root/usr/share/doc/korvane/korvane.htm" || fail "no version in the help page"

mkdir "$dir/bin" "$dir/start"
printf '#!/bin/sh\necho "$1" >"%s/opened"\n' "$dir" >"$dir/bin/xdg-open"
chmod +x "$dir/bin/xdg-open"
export PATH="$dir/bin:$PATH"
start_program "$dir/start" "$root/usr/bin/korvane"
press_keys alt+e
press_keys alt+x
expect_clean_exit

[ "$(cat "$dir/opened")" = "$root/usr/share/doc/korvane/korvane.htm" ] ||
    fail "the opener was given $(cat "$dir/opened")"
found=$(find "$dir" -name KORVANE.INI)
[ "$found" = "$dir/home/.config/korvane/KORVANE.INI" ] || fail "KORVANE.INI found at: $found"
