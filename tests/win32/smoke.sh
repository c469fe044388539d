#!/usr/bin/env bash
# The whole program under Wine, started in DIRECTORY (by default an empty one)
# and left with Alt+X: it must end with status 0 and leave the default settings
# record (1200 Hz, 10 wpm) there. Needs the X server and prefix that
# run-tests.sh makes. Usage: smoke.sh WINE PROGRAM.exe [DIRECTORY]
set -euo pipefail
scratch=$(mktemp -d /tmp/korvane-smoke.XXXXXX)
cd "${3:-$scratch}"
timeout 60 "$1" "$2" &
trap "kill $! 2>/dev/null || true; rm -rf '$scratch'" EXIT
timeout 30 xdotool search --sync --onlyvisible --name '^Korvane$' windowfocus --sync key alt+x
wait $!
[ "$(od -An -tx1 KORVANE.INI | tr -d ' \n')" = b0040a00 ]
