#!/usr/bin/env bash
# Builds the .deb and unpacks it into a private root, leaving the machine alone:
# its menu entry and AppStream metadata must validate, lintian must report no
# error, the help page must show the version and the copyright file must carry
# the licence. The unpacked command is then started from another directory in a
# private world (an X server of its own, HOME, runtime directory, sound
# discarded, no documentation folder, as on a system that leaves it out) with an
# opener on PATH that notes its argument: Help must hand it the unpacked help
# page, and Exit must leave KORVANE.INI in ~/.config/korvane/ and nowhere else.
# Usage: deb_test.sh CPACK PATH/TO/CPackConfig.cmake VERSION
set -euo pipefail
dir=$(realpath "$(mktemp -d)")
trap 'kill $(jobs -p) 2>/dev/null; wait; rm -rf "$dir"' EXIT
"$1" -G DEB --config "$2" -B "$dir/out" >"$dir/cpack.log" || { cat "$dir/cpack.log" && exit 1; }
version=$3
deb="$dir/out/korvane_${version}_amd64.deb" root="$dir/root" page="$dir/root/usr/share/korvane/korvane.htm"
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.xml
lintian --fail-on error "$deb"
grep -q "<p>Version $version</p>" "$page" || { echo "no version $version in the help page" && exit 1; }
grep -q '^ Permission is hereby granted' "$root/usr/share/doc/korvane/copyright" ||
    { echo "no licence in the copyright file" && exit 1; }
rm -r "$root/usr/share/doc"

mkdir -m 700 "$dir/runtime" "$dir/home" "$dir/bin" "$dir/start"
printf '#!/bin/sh\necho "$1" >"%s/opened"\n' "$dir" >"$dir/bin/xdg-open"
chmod +x "$dir/bin/xdg-open"
echo 'pcm.!default { type null }' >"$dir/alsa.conf"
# An empty XDG_CONFIG_HOME counts as unset. Without -noreset, Xvfb resets
# whenever its last client leaves, and a program connecting just then fails.
export HOME="$dir/home" XDG_CONFIG_HOME="" XDG_RUNTIME_DIR="$dir/runtime" ALSA_CONFIG_PATH="$dir/alsa.conf" PATH="$dir/bin:$PATH"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -noreset -nolisten tcp 3>"$dir/display" 2>"$dir/xvfb.log" &
timeout 15 bash -c "until [ -s '$dir/display' ]; do sleep 0.1; done" || { cat "$dir/xvfb.log" && exit 1; }
export DISPLAY=":$(head -n 1 "$dir/display")"
(cd "$dir/start" && exec timeout 60 "$root/usr/bin/korvane") &
# Keys go to the focused window, not to a named one, which may be gone before
# they are released. Help ends the main window and shows a new one for Alt+X.
first=$(timeout 30 xdotool search --sync --onlyvisible --name '^Korvane$')
xdotool windowfocus --sync "$first"
xdotool key alt+e
timeout 30 bash -c "while xdotool getwindowname $first >/dev/null 2>&1; do sleep 0.1; done"
timeout 30 xdotool search --sync --onlyvisible --name '^Korvane$' windowfocus --sync
xdotool key alt+x
wait $!
[ "$(cat "$dir/opened")" = "$page" ] || { echo "the opener was given $(cat "$dir/opened")" && exit 1; }
found=$(find "$dir" -name KORVANE.INI)
[ "$found" = "$dir/home/.config/korvane/KORVANE.INI" ] || { echo "KORVANE.INI found at: $found" && exit 1; }
