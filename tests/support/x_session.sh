# shellcheck shell=bash
# Shared by the bash scripts that drive the real program under a private X
# server; they run with set -euo pipefail and source this file.

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# A private world in a new temporary directory, $dir: an X server on a free
# display, a runtime directory, a HOME, and ALSA's default device discarding
# the sound. All of it goes at exit, with the program if it still runs.
start_session() {
    dir=$(realpath "$(mktemp -d)")
    xvfb_pid="" program_pid=""
    trap end_session EXIT
    mkdir -m 700 "$dir/runtime"
    mkdir "$dir/home"
    echo 'pcm.!default { type null }' >"$dir/alsa.conf"
    unset XDG_CONFIG_HOME
    export HOME="$dir/home" XDG_RUNTIME_DIR="$dir/runtime" ALSA_CONFIG_PATH="$dir/alsa.conf"
    # Xvfb writes the display's number to the pipe. Without -noreset it resets
    # whenever its last client leaves, and a program connecting just then fails.
    mkfifo "$dir/display"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -noreset -nolisten tcp 3>"$dir/display" 2>"$dir/xvfb.log" &
    xvfb_pid=$!
    read -r -t 20 display <"$dir/display" || fail "Xvfb did not start: $(cat "$dir/xvfb.log")"
    export DISPLAY=":$display"
}

end_session() {
    # shellcheck disable=SC2086 # an empty PID is left out
    kill $program_pid $xvfb_pid 2>/dev/null || true
    wait || true
    rm -rf "$dir"
}

# Starts COMMAND... in the directory WORK, for a minute at most.
start_program() {
    local work=$1
    shift
    (cd "$work" && exec timeout 60 "$@") &
    program_pid=$!
}

# Waits for a window captioned Korvane other than the one the last keys went
# to (each showing of a window is a new one), focuses it and presses KEY... in order.
press_keys() {
    last=${window:-none}
    for _ in $(seq 300); do
        window=$(xdotool search --onlyvisible --name '^Korvane$' | grep -vxF "$last" | sed -n 1p || true)
        [ -z "$window" ] || break
        sleep 0.1
    done
    [ -n "$window" ] || fail "no new main window appeared"
    timeout 10 xdotool windowfocus --sync "$window" || fail "the main window took no focus"
    xdotool key "$@"
}

# Waits for the program to end, which it must do with status 0.
expect_clean_exit() {
    status=0
    wait "$program_pid" || status=$?
    program_pid=""
    [ "$status" -eq 0 ] || fail "the program ended with status $status"
}
