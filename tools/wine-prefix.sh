#!/usr/bin/env bash
# Makes a new Wine prefix (WINEPREFIX) ready for the Windows program and its
# tests, for the loader WINELOADER and the architecture WINEARCH (win32 for the
# 32-bit loader, which runs no 64-bit program): the one set-up that
# tests/win32/run-tests.sh and tools/desktop_sandbox.py share. Each caller has
# started the prefix's Wine server its own way, with WINEARCH already set, as a
# new prefix takes its architecture from the server's start (one server for a
# whole test run, or one that dies with its test).
# The prefix keeps every choice below in its registry, so that each Wine process
# started in it later follows them, whatever its environment:
# - no Mono or Gecko (asking for them stalls the prefix), and no crash debugger,
#   whose window would wait for a click that never comes;
# - "sound": Wine's PulseAudio driver, and no other, which would reach the sound
#   server another way or not at all; "silent": no sound driver;
# - Wine places its windows itself: without a window manager, windows that Wine
#   leaves to one wait two seconds for it whenever they are hidden.
# Usage: wine-prefix.sh sound|silent
set -euo pipefail
: "${WINEPREFIX:?}" "${WINELOADER:?}" "${WINEARCH:?}"
case "${1-}" in
    sound) drivers_off="winealsa.drv wineoss.drv" ;;
    silent) drivers_off="winealsa.drv winepulse.drv wineoss.drv" ;;
    *) echo "usage: wine-prefix.sh sound|silent" >&2 && exit 2 ;;
esac
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
log="$WINEPREFIX/korvane-prefix.log"
timeout 120 "$WINELOADER" wineboot -i >"$log" 2>&1 || { cat "$log" >&2 && exit 1; }
settings="$WINEPREFIX/korvane-prefix.reg"
{
    printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Wine\\DllOverrides]\n'
    for dll in mscoree mshtml winedbg.exe $drivers_off; do
        printf '"%s"=""\n' "$dll"
    done
    printf '\n[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\n"Managed"="N"\n'
} >"$settings"
timeout 60 "$WINELOADER" reg import "$settings" >"$log" 2>&1 || { cat "$log" >&2 && exit 1; }
rm "$settings" "$log"
