#!/usr/bin/env bash
# Runs the real program under a private X server: Alt+F (Faster) and then
# Alt+X (Exit) must end it with status 0, leaving pitch 1200 and speed 11 in
# KORVANE.INI. No sound card is needed: ALSA's default device discards the sound.
# Usage: korvane_smoke.sh PATH/TO/korvane
set -euo pipefail

program=$(realpath "$1")
dir=$(mktemp -d)
xvfb_pid=""
program_pid=""

cleanup() {
    if [ -n "$program_pid" ]; then kill "$program_pid" 2>/dev/null || true; fi
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    wait || true
    rm -rf "$dir"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

mkdir -m 700 "$dir/runtime"
mkdir "$dir/work"
echo 'pcm.!default { type null }' >"$dir/alsa.conf"

# Xvfb picks a free display and writes its number to the pipe.
mkfifo "$dir/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dir/display" 2>"$dir/xvfb.log" &
xvfb_pid=$!
read -r -t 20 display <"$dir/display" || fail "Xvfb did not start: $(cat "$dir/xvfb.log")"
export DISPLAY=":$display" XDG_RUNTIME_DIR="$dir/runtime" ALSA_CONFIG_PATH="$dir/alsa.conf"

(cd "$dir/work" && exec timeout 60 "$program") &
program_pid=$!

window=$(timeout 30 xdotool search --sync --name '^Korvane$' | head -n 1) ||
    fail "the main window did not appear"
timeout 10 xdotool windowfocus --sync "$window" || fail "the main window took no focus"
xdotool key alt+f
xdotool key alt+x

status=0
wait "$program_pid" || status=$?
program_pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status"

settings=$(od -An -tx1 "$dir/work/KORVANE.INI" | tr -d ' \n')
[ "$settings" = "b0040b00" ] || fail "KORVANE.INI holds $settings, not b0040b00"
echo "KORVANE.INI: $settings"
