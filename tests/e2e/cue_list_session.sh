#!/usr/bin/env bash
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
. "$here/song_fixture.sh"

has_focus() { xdotool windowfocus "$1" 2>/dev/null; [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }
# One line per automation block: its cue name, its "t" line and its "v" lines.
records() {
    tr -d '\r' < "$1" | awk '
        /^cue\t/ { pending = substr($0, 5); next }
        /^t\t/ { if (have) print rec; rec = pending "|" $0; pending = ""; have = 1; next }
        /^v\t/ && have { rec = rec "|" $0 }
        /^end$/ { if (have) print rec; have = 0 }'
}

project=$(mktemp -d)
write_song "$project"
cp "$project/faders.txt" "$project/song.txt"
start_veltrane "$1" "$project"
control=$(wait_window '^Veltrane$') || fail "the control window did not appear"

cues=$(recall_and_show_cues "$control") || exit 1
wait_for has_focus "$cues" || fail "the cue window did not get the keyboard"

# Click cue 15's name cell: the table is at (8, 36), cells 2 px in below a 36 px heading, rows
# of 20 px; the name column starts 336 px into the row.
xdotool mousemove --window "$cues" $((8 + 2 + 336 + 50)) $((36 + 2 + 36 + 14 * 20 + 10)) click 1
# Insert after it and name the new cue point; back on it, put it at 2:50 (min/meas is three
# columns left, Tab stores and goes on to sec/beat).
xdotool key Insert
xdotool type --delay 30 "Fill"
xdotool key Return Up Left Left Left
xdotool type --delay 30 "2"
xdotool key Tab
xdotool type --delay 30 "50"
xdotool key Return
# Four rows down stands "Tag" (cue 20 before the insert): remove it, then sort by time.
xdotool key Down Down Down Down ctrl+Delete ctrl+t

inode=$(inode_of "$project/faders.txt")
press "$control" ctrl+s
wait_replaced "$project/faders.txt" "$inode" || fail "Ctrl+S did not store faders.txt"

# Every name with its own time and levels: the song without "Tag", and "Fill" at 2:50 with no
# strip automated, in time order after "Hold" (2:48).
records "$project/song.txt" | awk -F'|' '$1 != "Tag"; $1 == "Hold" { print "Fill|t\t2\t50.000\t0" }' > "$project/expected"
records "$project/faders.txt" > "$project/stored"
[ "$(wc -l < "$project/stored")" = 24 ] || fail "$(wc -l < "$project/stored") blocks stored, not 24"
diff "$project/expected" "$project/stored" >&2 || fail "the stored cue points differ from the expected ones"

quit_program "$control"
rm -rf "$project"
echo "cue list session: ok"
