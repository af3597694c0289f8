#!/usr/bin/env bash
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
. "$here/chorus_song.sh"
. "$here/cue_table_clicks.sh"

has_focus() { xdotool windowfocus "$1" 2>/dev/null; [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }
# The lines of the n-th automation block (from its "t" line to the next empty line).
block() { tr -d '\r' < "$project/faders.txt" | awk -v n="$1" '/^t\t/ {k++} k == n && NF == 0 {exit} k == n'; }
expect_line() { block "$1" | grep -qx "$2" || fail "block $1 has no line '$2': $(block "$1" | tr '\t\n' ' |')"; }

project=$(mktemp -d)
write_chorus_song "$project"
start_veltrane "$1" "$project"
control=$(wait_window '^Veltrane$') || fail "the control window did not appear"
cues=$(recall_and_show_cues "$control") || exit 1
wait_for has_focus "$cues" || fail "the cue window did not get the keyboard"

# Backing vocals 1 and 2 (strip columns 4 and 5) over the choruses (rows 3, 7, 11), lowered by 2 dB.
select_chorus_backing_vocals "$cues"
xdotool type --delay 30 -- "-=2"
xdotool key Return

# Verse 1 (rows 1 and 2, kick to lead vocal) copied onto verse 2 (row 5).
click_cell "$cues" 1 0
click_cell "$cues" 2 3 shift
xdotool key ctrl+c
click_cell "$cues" 5 0
xdotool key ctrl+v

# The master (strip column 12) from the outro (row 13) over six rows to the end: a fade by time.
click_cell "$cues" 13 12
xdotool key shift+Down shift+Down shift+Down shift+Down shift+Down ctrl+i

inode=$(inode_of "$project/faders.txt")
press "$control" ctrl+s
wait_replaced "$project/faders.txt" "$inode" || fail "Ctrl+S did not store faders.txt"

for n in 4 8 12; do
    expect_line "$n" $'v\t5\t-8.00'
    expect_line "$n" $'v\t6\t-9.00'
done
expect_line 5 $'v\t5\t-30.00'
expect_line 6 $'v\t1\t-3.00'
expect_line 6 $'v\t2\t-5.20'
expect_line 6 $'v\t4\t-4.00'
! block 6 | grep -q $'^v\t3\t' || fail "verse 1's empty bass cell did not switch verse 2's bass off"
expect_line 7 $'v\t2\t-5.30'
expect_line 7 $'v\t4\t-3.50'
# 0 dB at 2:28 to -60 dB at 3:20, by time: 2:34, 2:40, 2:52 and 3:10 lie 6, 12, 24 and 42 s in.
levels=("0.00" "-6.92" "-13.85" "-27.69" "-48.46" "-60.00")
for k in 0 1 2 3 4 5; do
    expect_line $((14 + k)) $'v\tM\t'"${levels[$k]}"
done

quit_program "$control"
rm -rf "$project"
echo "block edit session: ok"
