#!/usr/bin/env bash
# The timing benchmark: a minute of random code at 45 wpm and 700 Hz through the
# real program, through classic per-element playback and, when it has been
# built, through the Windows program under Wine, on one private real-time sink;
# prints the figures side by side (see timing.py).
# Usage: bench/timing.sh [BUILD_DIR [SOUND_SERVER]]   (default: build/, built with the
# default preset, and PulseAudio; SOUND_SERVER as in tools/desktop_sandbox.py)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)
export PYTHONDONTWRITEBYTECODE=1
# The Windows build that tests/win32/run-tests.sh tests: 32-bit where the kernel
# runs 32-bit programs, else 64-bit.
for windows in "win32 /usr/lib/wine/wine" "win64 /usr/lib/wine/wine64"; do
    read -r preset WINELOADER <<<"$windows"
    "$WINELOADER" --version >/dev/null 2>&1 && break
done
export WINELOADER
windows=$here/../build-$preset/korvane.exe
[ -f "$windows" ] || { echo "timing.sh: no $windows, so no Windows column" >&2 && windows=; }
# Debian's own interpreter, which python3-numpy serves (another python3 may come first in PATH).
exec /usr/bin/python3 "$here/timing.py" --sound="${2:-pulseaudio}" "$build/korvane" "$build/bench/bench_classic_playback" \
    ${windows:+"$windows"}
