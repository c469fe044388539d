#!/usr/bin/env bash
# Starts build/korvane in run/ at the top of the checkout, beside a fresh copy
# of the help page; KORVANE.INI is kept there between runs.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$root/run"
if [ -f "$root/korvane.htm" ]; then
    cp "$root/korvane.htm" "$root/run/"
fi
cd "$root/run"
exec "$root/build/korvane"
