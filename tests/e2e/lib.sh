# Helpers for end-to-end tests: run inside xvfb-run, in a scratch directory.
fail() { echo "FAIL: $*" >&2; [ -n "${vpid:-}" ] && kill "$vpid" 2>/dev/null; exit 1; }

# Starts the program in a fresh scratch directory (or $2 when given).
start_veltrane() {
    workdir=${2:-$(mktemp -d)}
    cd "$workdir" || fail "no scratch directory"
    "$1" > veltrane.out 2>&1 &
    vpid=$!
}

# Prints the id of the visible window whose title matches $1, waiting up to 15 s.
wait_window() {
    local id
    for _ in $(seq 1 150); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

# Gives the window the keyboard focus and presses a key combination.
press() {
    xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
    sleep 0.2
    xdotool key --clearmodifiers "$2"
    sleep 0.3
}

# Waits up to 15 s for the program to exit and prints its status.
wait_exit() {
    for _ in $(seq 1 150); do
        if ! kill -0 "$vpid" 2>/dev/null; then
            wait "$vpid"; echo $?; return 0
        fi
        sleep 0.1
    done
    kill "$vpid"; return 1
}
