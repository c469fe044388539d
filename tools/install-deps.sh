#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Korvane need,
# asking apt only for those that are missing. Usage: install-deps.sh GROUP...
#   build    compiler, CMake, Ninja, GoogleTest, Qt 6 Widgets (and the keyboard
#            library its CMake files look for), ALSA
#   run      what the desktop program uses at run time
#   test     the tools the tests drive the real program with
#   win32    the Windows cross compilers and Wine to test their builds
#   e2e      private sound servers (PulseAudio, PipeWire) and Python with NumPy for the
#            end-to-end tests and the benchmark; PipeWire's ALSA plugin unpacked, not installed
#   a11y     a screen reader, its speech server and the desktop's accessibility bus
#   package  CPack's .deb tools, lintian, the menu entry and AppStream checkers, the icon converter
#   format   clang-format, which CI runs over the sources
set -euo pipefail

declare -A groups=(
    [build]="g++ cmake ninja-build googletest libgtest-dev qt6-base-dev libxkbcommon-dev libasound2-dev"
    [run]="libasound2-plugins xdg-utils"
    [test]="xvfb xdotool x11-utils imagemagick alsa-utils locales"
    [win32]="g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix wine wine64 wine32:i386"
    [e2e]="pulseaudio pulseaudio-utils libasound2-plugins python3 python3-numpy dbus pipewire pipewire-bin wireplumber pipewire-pulse"
    [a11y]="orca speech-dispatcher speech-dispatcher-espeak-ng python3-speechd espeak-ng at-spi2-core python3-pyatspi dbus"
    [package]="dpkg-dev file lintian desktop-file-utils appstream librsvg2-bin"
    [format]="clang-format"
)

wanted=()
for group in "$@"; do
    read -r -a names <<<"${groups[$group]:?unknown group $group}"
    wanted+=("${names[@]}")
done

missing=()
for name in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$name" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$name")
done
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
if [ ${#missing[@]} -gt 0 ]; then
    # An i386 package (wine32) needs its architecture known to apt before the update.
    if [[ " ${missing[*]} " == *":i386 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
        $sudo dpkg --add-architecture i386
    fi
    $sudo apt-get update -qq
    $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# PipeWire's ALSA plugin, of the installed PipeWire's version, unpacked where
# tools/desktop_sandbox.py loads it from: its package would make PipeWire the
# ALSA default of the whole machine.
unpack_pipewire_alsa() {
    local cache=${XDG_CACHE_HOME:-$HOME/.cache}/korvane/pipewire-alsa version download
    version=$(dpkg-query -W -f='${Version}' libpipewire-0.3-0)
    [ "$(cat "$cache/version" 2>/dev/null)" = "$version" ] && return
    download=$(mktemp -d)
    (cd "$download" && apt-get download -qq -o APT::Sandbox::User="$(id -un)" \
        "pipewire-alsa=$version" 2>/dev/null) ||
        { $sudo apt-get update -qq && (cd "$download" && apt-get download -qq \
            -o APT::Sandbox::User="$(id -un)" "pipewire-alsa=$version"); }
    rm -rf "$cache" && mkdir -p "$cache"
    dpkg-deb -x "$download"/pipewire-alsa_*.deb "$cache"
    echo "$version" >"$cache/version"
    rm -rf "$download"
}
[[ " $* " != *" e2e "* ]] || unpack_pipewire_alsa
