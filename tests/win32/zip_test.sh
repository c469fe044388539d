#!/usr/bin/env bash
# Builds the Windows zip and unpacks it onto drive C: of run-tests.sh's prefix.
# It must hold the program, its help page and its licence alone, and the
# program as shipped (stripped), started in its own folder as Explorer starts
# it and left with Alt+X, must end with status 0, leaving the default settings
# record (1200 Hz, 10 wpm) in KORVANE.INI beside itself. What it sends is heard
# end to end (win32_e2e). A program that does not end is ended by its time
# limit, or at the latest by run-tests.sh with the Wine server.
# Usage: zip_test.sh CPACK PATH/TO/CPackConfig.cmake VERSION
set -euo pipefail
cd "$WINEPREFIX/drive_c"
"$1" -G ZIP --config "$2" -B "$PWD/packages" >cpack.log || { cat cpack.log && exit 1; }
cmake -E tar xf packages/korvane-"$3"-win*.zip
cd korvane-"$3"-win*
LC_COLLATE=C
[ "$(echo *)" = "LICENSE.txt korvane.exe korvane.htm" ] || { echo "the zip holds: $(echo *)" && exit 1; }
timeout 60 "$WINELOADER" korvane.exe &
timeout 30 xdotool search --sync --onlyvisible --name '^Korvane$' windowfocus --sync key alt+x
wait $!
[ "$(od -An -tx1 KORVANE.INI | tr -d ' \n')" = b0040a00 ]
