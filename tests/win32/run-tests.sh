#!/usr/bin/env bash
# Tests the Windows program under Wine in a private world: a fresh Wine prefix
# with audio and the crash debugger off, and an X server of its own for the
# windows. The 32-bit build is always made. A kernel without 32-bit support
# (ia32 emulation off) runs no 32-bit program, so there the same sources are
# built as a 64-bit program and tested under 64-bit Wine instead, and this says
# so. Usage: run-tests.sh [CTEST ARGUMENT...]
set -euo pipefail
cd "$(dirname "$0")/../.."
preset=win32 loader=/usr/lib/wine/wine
cmake --preset win32
cmake --build --preset win32
if ! "$loader" --version >/dev/null 2>&1; then
    echo "run-tests.sh: 32-bit Wine does not start here; testing the 64-bit build" >&2
    preset=win64 loader=/usr/lib/wine/wine64
    cmake --preset win64
    cmake --build --preset win64
fi
# A loader that cannot start its programs may print nothing and exit 0, so
# that every test would pass without running: refuse instead.
"$loader" --version >/dev/null 2>&1 || { echo "run-tests.sh: $loader does not start" >&2; exit 1; }

work=$(mktemp -d /tmp/korvane-wine.XXXXXX)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/log" &
# The Wine server must end while its X server is still there.
trap "{ wineserver -k; timeout 30 wineserver -w; kill $!; } || true; rm -rf '$work'" EXIT
timeout 15 bash -c "until [ -s '$work/display' ]; do sleep 0.1; done" || { cat "$work/log"; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")" HOME="$work" WINEPREFIX="$work/prefix" \
    WINEARCH=$preset WINEDEBUG=-all WINELOADER="$loader"
# No Mono or Gecko: nothing here needs them, and asking for them stalls the prefix.
export WINEDLLOVERRIDES="mscoree,mshtml="
# One Wine server, and Wine's own service processes, for the whole run. A
# server started by a test would start those services with the test's output
# as theirs, and ctest would wait for them to leave before it saw the test end.
mkdir "$WINEPREFIX"
wineserver -p
timeout 120 "$loader" wineboot -i >"$work/log" 2>&1 || { cat "$work/log"; exit 1; }
timeout 60 "$loader" reg add 'HKCU\Software\Wine\Drivers' /v Audio /d '' /f >/dev/null
timeout 60 "$loader" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
    /v Debugger /d '' /f >/dev/null
# Without a window manager, windows that Wine leaves to one wait two seconds
# for it whenever they are hidden; Wine places its windows itself instead.
timeout 60 "$loader" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
ctest --preset "$preset" "$@"
