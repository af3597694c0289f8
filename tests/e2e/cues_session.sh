#!/usr/bin/env bash
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"

# The lines of the n-th automation block (from its "t" line to the next empty line).
block() { tr -d '\r' < faders.txt | awk -v n="$1" '/^t\t/ {k++} k == n && NF == 0 {exit} k == n'; }
block_has() { block "$1" | grep -qx "$2"; }
stored_block_has() { [ -s faders.txt ] && block_has "$@"; }
# Gives the window the keyboard and waits until it has it.
has_focus() { xdotool windowfocus "$1" 2>/dev/null; [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }
focus() { wait_for has_focus "$1" || fail "window $1 did not get the keyboard"; }

project=$(mktemp -d)
cp "$here/../../examples/demo/"*.txt "$project/"
rm "$project/faders.txt.bak" 2>/dev/null
start_veltrane "$1" "$project"
control=$(wait_window '^Veltrane$') || fail "the control window did not appear"

cues=$(recall_and_show_cues "$control") || exit 1

# Double click cue point 1's cell of channel 2 (not automated in the demo), type, Return.
# The table is at (8, 36); its cells start 2 px in, below a 36 px heading, rows of 20 px; the
# fixed columns take 486 px and each strip 56 px.
focus "$cues"
xdotool mousemove --window "$cues" $((8 + 2 + 486 + 56 + 28)) $((36 + 2 + 36 + 10)) click --repeat 2 --delay 80 1
xdotool type --delay 30 -- "-6.5"
xdotool key Return
press "$control" ctrl+s
wait_for stored_block_has 1 $'v\t2\t-6.50' || fail "the typed volume is not stored in cue point 1's block"
block_has 1 $'v\t1\t-3.50' || fail "cue point 1 lost channel 1"
grep -q $'^cue\tIntro\r$' faders.txt || fail "the recalled demo was not stored"

# Page Down in the faders window, then switch on "auto" of strip 3 (284, 239, 16 x 16).
press "$control" ctrl+f
faders=$(wait_window '^Faders$') || fail "Ctrl+F did not show the faders window"
focus "$faders"
xdotool key --clearmodifiers Next
xdotool mousemove --window "$faders" 292 247 click 1
press "$control" ctrl+s
wait_for stored_block_has 2 $'v\t3\t0.00' || fail "the edit after Page Down is not in the next active block"
block_has 2 $'v\t1\t0.00' || fail "cue point 2 lost channel 1"
! block_has 1 $'v\t3\t0.00' || fail "the edit after Page Down also reached cue point 1"

quit_program "$control"
rm -rf "$project"
echo "cues session: ok"
