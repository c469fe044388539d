#!/usr/bin/env bash
# Runs the real program under a private X server: Alt+F (Faster) and then
# Alt+X (Exit) must end it with status 0, leaving pitch 1200 and speed 11 in
# KORVANE.INI. No sound card is needed: ALSA's default device discards the sound.
# Usage: korvane_smoke.sh PATH/TO/korvane
set -euo pipefail
source "$(dirname "$0")/../support/x_session.sh"

program=$(realpath "$1")
start_session
mkdir "$dir/work"
start_program "$dir/work" "$program"
press_keys alt+f alt+x
expect_clean_exit

settings=$(od -An -tx1 "$dir/work/KORVANE.INI" | tr -d ' \n')
[ "$settings" = "b0040b00" ] || fail "KORVANE.INI holds $settings, not b0040b00"
echo "KORVANE.INI: $settings"
