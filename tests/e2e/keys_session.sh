#!/usr/bin/env bash
set -u
. "$(dirname "$0")/lib.sh"
project=$(mktemp -d)
: > "$project/kick.wav"
start_veltrane "$1" "$project"
control=$(wait_window '^Veltrane$') || fail "the control window did not appear"
press "$control" Escape
# Ctrl+F is handled after the Escape: once the faders window shows, the Escape has been too.
press "$control" ctrl+f
faders=$(wait_window '^Faders$') || fail "Ctrl+F did not show the faders window"
kill -0 "$vpid" 2>/dev/null || fail "Escape in the control window ended the program"
visible_window '^Veltrane$' >/dev/null || fail "Escape closed the control window"

# The "cue name" field (212, 80, 120 x 20), then Escape in it.
focus_window "$faders"
xdotool mousemove --window "$faders" 250 90 click 1
xdotool key Escape

# The "*" button of strip 1 (255, 178, 14 x 18) opens the file chooser; a typed name
# confirmed with Return names channel 1.
xdotool mousemove --window "$faders" 262 187 click 1
chooser=$(wait_window '^Choose File$') || fail "the file chooser did not open"
visible_window '^Faders$' >/dev/null || fail "Escape in a text field closed the faders window"
focus_window "$chooser"
# The field starts with the directory; the name is typed in its place.
xdotool key ctrl+a BackSpace
xdotool type --delay 20 "kick.wav"
xdotool key Return
chooser_closed() { ! visible_window '^Choose File$' > /dev/null; }
wait_for chooser_closed || fail "Return did not close the chooser"
press "$control" ctrl+s
wait_for grep -qF "1 $project/kick.wav +" "$project/tracks.txt" ||
    fail "Return in the chooser did not name channel 1"

quit_program "$control"
rm -rf "$project"
echo "keys: ok"
