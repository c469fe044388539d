#!/usr/bin/env bash
# The whole program under Wine: started in an empty directory, it raises the
# speed on Alt+F and leaves on Alt+X; it must end with status 0 and leave the
# settings file holding pitch 1200 and speed 11. Needs the X server and prefix
# of wine-env.sh. Usage: smoke.sh WINE PROGRAM.exe
set -euo pipefail
wine=$1
program=$2

dir=$(mktemp -d /tmp/korvane-smoke.XXXXXX)
pid=""
trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null; rm -rf "$dir"' EXIT
cd "$dir"

# Wine's audio is off, so every element returns at once and only the pauses take time.
timeout 60 "$wine" "$program" &
pid=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Korvane$' | sed -n 1p)
timeout 10 xdotool windowfocus --sync "$window"
xdotool key alt+f
xdotool key alt+x

status=0
wait "$pid" || status=$?
pid=""
settings=$(od -An -tx1 KORVANE.INI 2>/dev/null | tr -d ' \n' || true)
echo "exit status $status, KORVANE.INI: ${settings:-missing}"
[ "$status" -eq 0 ] && [ "$settings" = "b0040b00" ]
