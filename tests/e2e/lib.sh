# Helpers for end-to-end tests: run on a virtual screen (tests/on_screen.sh), in a scratch
# directory. Every wait is for an effect, with a deadline far above what a slow, busy
# machine needs: a slow run takes longer, it does not fail.
fail() {
    echo "FAIL: $*" >&2
    [ -s "${workdir:-}/veltrane.out" ] && sed 's/^/veltrane: /' "$workdir/veltrane.out" >&2
    [ -n "${vpid:-}" ] && kill "$vpid" 2>/dev/null
    exit 1
}

# Seconds any one effect may take to appear.
deadline=${E2E_DEADLINE:-90}

# Runs the command until it succeeds; fails (status 1) when the deadline has passed.
wait_for() {
    local end=$((SECONDS + deadline))
    until "$@"; do
        [ "$SECONDS" -lt "$end" ] || return 1
        sleep 0.1
    done
}

# Starts the program in a fresh scratch directory (or $2 when given).
start_veltrane() {
    workdir=${2:-$(mktemp -d)}
    cd "$workdir" || fail "no scratch directory"
    "$1" > veltrane.out 2>&1 &
    vpid=$!
}

# Starts the program ($1) and shows the effects window with the keyboard focus; control and
# effects hold the two windows' ids.
start_in_effects_window() {
    start_veltrane "$1"
    control=$(wait_window '^Veltrane$') || fail "the control window did not appear"
    press "$control" ctrl+e
    effects=$(wait_window '^Effects$') || fail "Ctrl+E did not show the effects window"
    focus_window "$effects"
}

visible_window() {
    xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 | grep .
}

# Prints the id of the visible window whose title matches $1, once it is shown.
wait_window() {
    wait_for visible_window "$1"
}

# Gives the window the keyboard focus, waiting until it has it.
focus_window() {
    timeout "$deadline" xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
}

# Focuses the window and presses a key combination. The program handles it after
# everything sent before it, so no pause is needed between steps.
press() {
    focus_window "$1"
    xdotool key --clearmodifiers "$2"
}

inode_of() { stat -c %i "$1" 2>/dev/null; }

# Waits until file $1 has been replaced (stores write a new file and rename it over the
# old one), given the inode $2 it had before.
replaced() { [ -e "$1" ] && [ "$(inode_of "$1")" != "$2" ]; }
wait_replaced() {
    wait_for replaced "$1" "$2"
}

# True when file $1 holds the line $2 (the line end CR LF is added here).
has_line() {
    grep -qxF -- "$2"$'\r' "$1" 2>/dev/null
}

# Waits for file $1 to hold the line $2.
wait_line() {
    wait_for has_line "$1" "$2"
}

program_ended() { ! kill -0 "$vpid" 2>/dev/null; }

# Waits for the program to exit and sets exit_status. It must run in the shell that started
# the program (not in a $(...) subshell): only that shell can collect the status, whenever
# the program ends.
wait_exit() {
    if wait_for program_ended; then
        wait "$vpid"; exit_status=$?; vpid=; return 0
    fi
    kill "$vpid"; return 1
}

# Quits with Ctrl+Q in the control window $1 and checks that the program ends with status 0.
quit_program() {
    press "$1" ctrl+q
    wait_exit || fail "Ctrl+Q did not end the program"
    [ "$exit_status" = 0 ] || fail "exit status $exit_status"
}

visible_windows() { xdotool search --onlyvisible --name '' 2>/dev/null | wc -l; }
more_windows_than() { [ "$(visible_windows)" -gt "$1" ]; }

# Runs "Recall All" (the fourth item of the "Recall" menu at 295, 80) in the control window $1,
# then shows the cue window with Ctrl+L and prints its id.
recall_and_show_cues() {
    local shown
    shown=$(visible_windows)
    xdotool mousemove --window "$1" 336 90 click 1
    wait_for more_windows_than "$shown" || fail "the Recall menu did not open"
    xdotool key Down Down Down Down Return
    wait_for test "$(visible_windows)" -eq "$shown" || fail "the Recall menu did not close"
    press "$1" ctrl+l
    wait_window '^Cues$' || fail "Ctrl+L did not show the cue window"
}
