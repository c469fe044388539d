#!/usr/bin/env bash
# The whole program under Wine, started in an empty directory and left with
# Alt+X: it must end with status 0 and leave the default settings record
# (1200 Hz, 10 wpm). Needs the X server and prefix that run-tests.sh makes.
# Usage: smoke.sh WINE PROGRAM.exe
set -euo pipefail
cd "$(mktemp -d /tmp/korvane-smoke.XXXXXX)"
timeout 60 "$1" "$2" &
trap "kill $! 2>/dev/null || true; rm -rf '$PWD'" EXIT
timeout 30 xdotool search --sync --onlyvisible --name '^Korvane$' windowfocus --sync key alt+x
wait $!
[ "$(od -An -tx1 KORVANE.INI | tr -d ' \n')" = b0040a00 ]
