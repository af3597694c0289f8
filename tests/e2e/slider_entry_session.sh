#!/usr/bin/env bash
set -u
. "$(dirname "$0")/lib.sh"

start_in_effects_window "$1"

# "Peak Comp" (30, 125, 100 x 20), then the value box at the left end of "threshold"
# (31, 157, 100 x 20): a double click there opens the entry without moving the slider.
xdotool mousemove --window "$effects" 80 135 click 1
xdotool mousemove --window "$effects" 45 167 click --repeat 2 --delay 100 1
xdotool type --delay 50 -- "-12"
xdotool key Return
# Escape drops a second typed value and leaves the window open.
xdotool mousemove --window "$effects" 45 167 click --repeat 2 --delay 100 1
xdotool type --delay 50 -- "-20"
xdotool key Escape
press "$control" ctrl+s
wait_line faders.txt $'comp\t1\t-12.0\t10.0\t100.0\t1.5' ||
    fail "faders.txt lacks the typed threshold: $(grep '^comp' faders.txt 2>/dev/null)"
xdotool search --onlyvisible --name '^Effects$' >/dev/null || fail "Escape closed the effects window"

quit_program "$control"
echo "slider entry: ok"
