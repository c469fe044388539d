#!/usr/bin/env bash
# Starts build/korvane in run/ at the top of the checkout, beside a fresh copy
# of the help page (build/korvane.htm, where CMake has filled in the version);
# KORVANE.INI is kept there between runs.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$root/run"
if [ -f "$root/build/korvane.htm" ]; then
    cp "$root/build/korvane.htm" "$root/run/"
fi
cd "$root/run"
exec "$root/build/korvane"
