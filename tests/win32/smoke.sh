#!/usr/bin/env bash
# The whole program under Wine: started in DIRECTORY (by default an empty one),
# it raises the speed on Alt+F and leaves on Alt+X; it must end with status 0
# and leave the settings file there holding pitch 1200 and speed 11. Needs the
# X server and prefix of wine-env.sh. Usage: smoke.sh WINE PROGRAM.exe [DIRECTORY]
set -euo pipefail
source "$(dirname "$0")/../support/x_session.sh"
scratch=$(mktemp -d /tmp/korvane-smoke.XXXXXX)
work=${3:-$scratch}
program_pid=""
trap '[ -z "$program_pid" ] || kill "$program_pid" 2>/dev/null; rm -rf "$scratch"' EXIT

# Wine's audio is off, so every element returns at once and only the pauses take time.
start_program "$work" "$1" "$2"
press_keys alt+f alt+x
expect_clean_exit
settings=$(od -An -tx1 "$work/KORVANE.INI" | tr -d ' \n')
[ "$settings" = "b0040b00" ] || fail "KORVANE.INI holds $settings, not b0040b00"
