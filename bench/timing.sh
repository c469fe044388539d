#!/usr/bin/env bash
# The timing benchmark: a minute of random code at 45 wpm and 700 Hz through the
# real program and through classic per-element playback, on one private
# real-time sink; prints the figures side by side (see timing.py).
# Usage: bench/timing.sh [BUILD_DIR]   (default: build/, built with the default preset)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)
export PYTHONDONTWRITEBYTECODE=1
# Debian's own interpreter, which python3-numpy serves (another python3 may come first in PATH).
exec /usr/bin/python3 "$here/timing.py" "$build/korvane" "$build/bench/bench_classic_playback"
