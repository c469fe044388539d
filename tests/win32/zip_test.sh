#!/usr/bin/env bash
# Builds the Windows zip and unpacks it onto drive C: of run-tests.sh's prefix.
# It must hold the program and its help page alone, and the program, started in
# its own folder as Explorer starts it, must pass the smoke test there, leaving
# KORVANE.INI beside itself. Usage: zip_test.sh CPACK PATH/TO/CPackConfig.cmake WINE
set -euo pipefail
cd "$WINEPREFIX/drive_c"
"$1" -G ZIP --config "$2" -B "$PWD/packages" >cpack.log || { cat cpack.log && exit 1; }
cmake -E tar xf packages/korvane-1.0.0-win*.zip
folder=$(echo "$PWD"/korvane-1.0.0-win*)
contents=$(ls "$folder" | tr '\n' ' ')
[ "$contents" = "korvane.exe korvane.htm " ] || { echo "the zip holds: $contents" && exit 1; }
exec "$(dirname "$0")/smoke.sh" "$3" "$folder/korvane.exe" "$folder"
