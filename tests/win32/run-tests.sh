#!/usr/bin/env bash
# Tests the Windows program under Wine in a private world: a fresh Wine prefix
# with audio and the crash debugger off, and an X server of its own for the
# windows; the end-to-end test makes a prefix of its own, with sound. The
# 32-bit build is always made. A kernel without 32-bit support (ia32 emulation
# off) runs no 32-bit program, so there the same sources are built as a 64-bit
# program and tested under 64-bit Wine instead, and this says so.
# Usage: run-tests.sh [CTEST ARGUMENT...]
set -euo pipefail
cd "$(dirname "$0")/../.."
for build in "win32 /usr/lib/wine/wine" "win64 /usr/lib/wine/wine64"; do
    read -r preset loader <<<"$build"
    cmake --preset "$preset"
    cmake --build --preset "$preset"
    "$loader" --version >/dev/null 2>&1 && break || echo "run-tests.sh: $loader does not start" >&2
done
# A loader that cannot start its programs may print nothing and exit 0, so that
# every test would pass without running: the one chosen must show its version.
"$loader" --version >/dev/null 2>&1

# The prefix is the work directory itself.
work=$(mktemp -d /tmp/korvane-wine.XXXXXX)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/log" &
# The Wine server must end while its X server is still there.
trap "{ wineserver -k; timeout 30 wineserver -w; kill $!; } || true; rm -rf '$work'" EXIT
timeout 15 bash -c "until [ -s '$work/display' ]; do sleep 0.1; done" || { cat "$work/log"; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")" HOME="$work" WINEPREFIX="$work" WINEARCH=$preset \
    WINELOADER="$loader" WINEDEBUG=-all
# One Wine server, and Wine's own service processes, for the whole run. A
# server started by a test would start those services with the test's output
# as theirs, and ctest would wait for them to leave before it saw the test end.
wineserver -p
# The tests' prefix has no sound driver: the end-to-end test makes a prefix of its own, with sound.
tools/wine-prefix.sh silent
ctest --preset "$preset" "$@"
