#!/usr/bin/env bash
# The whole program under Wine, started in DIRECTORY (by default an empty one):
# Alt+R starts a minute of random code, Escape two seconds later must stop it,
# and Alt+X must then end the program, well before the minute is out, with
# status 0, leaving the default settings record (1200 Hz, 10 wpm) there. Needs
# the X server and prefix that run-tests.sh makes.
# Usage: smoke.sh WINE PROGRAM.exe [DIRECTORY]
set -euo pipefail
scratch=$(mktemp -d /tmp/korvane-smoke.XXXXXX)
cd "${3:-$scratch}"
timeout 60 "$1" "$2" &
trap "kill $! 2>/dev/null || true; rm -rf '$scratch'" EXIT
timeout 30 xdotool search --sync --onlyvisible --name '^Korvane$' windowfocus --sync \
    key alt+r sleep 2 key Escape key alt+x
sent=$SECONDS
wait $!
[ $((SECONDS - sent)) -lt 20 ] || { echo "Escape did not stop the send" && exit 1; }
[ "$(od -An -tx1 KORVANE.INI | tr -d ' \n')" = b0040a00 ]
