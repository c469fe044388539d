#!/bin/sh
# The installed command: starts Korvane in $XDG_CONFIG_HOME/korvane (by default
# ~/.config/korvane), made when missing. The program keeps KORVANE.INI in its
# working directory and has no options or environment variables of its own, so
# the place is chosen here, before it starts; the program itself lies beside
# this tree's bin/ in lib/korvane/, wherever the tree was put.
set -eu
# A relative XDG_CONFIG_HOME is invalid by the XDG rules, and is ignored.
case "${XDG_CONFIG_HOME:-}" in
/*) config=$XDG_CONFIG_HOME ;;
*) config=$HOME/.config ;;
esac
# shellcheck disable=SC2174 # Only korvane/ is private; a new ~/.config gets the usual mode.
mkdir -p -m 700 "$config/korvane"
cd "$config/korvane"
# The program takes no arguments, so none are passed on.
exec "$(dirname "$(readlink -f "$0")")/../lib/korvane/korvane"
