#!/usr/bin/env bash
# Runs a command (the Windows tests) in a private world: a fresh Wine prefix
# of the given kind with Wine's audio and crash debugger off, and a private X
# server for the windows. Usage: tests/win32/wine-env.sh win32|win64 COMMAND...
set -euo pipefail

arch=${1:?usage: wine-env.sh win32|win64 COMMAND...}
shift
case "$arch" in
win32) loader=/usr/lib/wine/wine ;;
win64) loader=/usr/lib/wine/wine64 ;;
*) echo "wine-env.sh: unknown kind $arch" >&2 && exit 2 ;;
esac
fail() {
    echo "wine-env.sh: $*" >&2
    exit 1
}
# With only the 64-bit half of Wine, or a kernel without 32-bit support, a
# 32-bit program does not run, yet Wine may print nothing and exit 0: every
# test would pass without running. Refuse instead.
[ -x "$loader" ] || fail "$loader is missing (tools/install-deps.sh win32)"
"$loader" --version >/dev/null 2>&1 ||
    fail "$loader does not start: this kernel cannot run its programs (ia32 emulation off?)"

work=$(mktemp -d /tmp/korvane-wine.XXXXXX)
xvfb_pid=""
finish() {
    # The Wine server must end while its X server is still there.
    wineserver -k || true
    timeout 30 wineserver -w || true
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" && wait "$xvfb_pid" || true
    fi
    rm -rf "$work"
}
trap finish EXIT

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
timeout 15 bash -c "until [ -s '$work/display' ]; do sleep 0.1; done" ||
    fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n 1 "$work/display")"

mkdir -p "$work/home"
export HOME="$work/home" WINEPREFIX="$work/prefix" WINEARCH="$arch" WINEDEBUG=-all WINELOADER="$loader"
# No Mono or Gecko: nothing here needs them, and asking for them stalls the prefix.
export WINEDLLOVERRIDES="mscoree,mshtml="

# One Wine server, and Wine's own service processes, for the whole run. A
# server started by a test would start those services with the test's output
# as theirs, and ctest would wait for them to leave before it saw the test end.
mkdir -p "$WINEPREFIX"
wineserver -p
timeout 120 "$loader" wineboot -i >"$work/wineboot.log" 2>&1 ||
    fail "the Wine prefix could not be made: $(cat "$work/wineboot.log")"
timeout 60 "$loader" reg add 'HKCU\Software\Wine\Drivers' /v Audio /d '' /f >/dev/null
timeout 60 "$loader" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
    /v Debugger /d '' /f >/dev/null
# Without a window manager, windows that Wine leaves to one wait two seconds
# for it whenever they are hidden; Wine places its windows itself instead.
timeout 60 "$loader" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null

"$@"
