#!/usr/bin/env bash
set -u
. "$(dirname "$0")/lib.sh"

start_in_effects_window "$1"
# The "Channel" spinner's field (190, 22, 40 x 20): the number typed over it, then Return.
go_to_channel() {
    xdotool mousemove --window "$effects" 200 32 click 1
    xdotool key ctrl+a
    xdotool type --delay 50 "$1"
    xdotool key Return
}

# On channel 11: "Peak Comp" (30, 125) on, -12 typed into its threshold's value box (31, 157);
# "EQ: Low Shelf" (30, 340) and "EQ: Band 1" (150, 340) on.
go_to_channel 11
xdotool mousemove --window "$effects" 80 135 click 1
xdotool mousemove --window "$effects" 45 167 click --repeat 2 --delay 100 1
xdotool type --delay 50 -- "-12"
xdotool key Return
xdotool mousemove --window "$effects" 80 350 click 1
xdotool mousemove --window "$effects" 200 350 click 1
xdotool key ctrl+c
for channel in 12 13; do
    go_to_channel "$channel"
    xdotool key ctrl+v
done
press "$control" ctrl+s
wait_line faders.txt $'comp\t13\t-12.0\t10.0\t100.0\t1.5' ||
    fail "channel 13 lacks the pasted compressor: $(grep '^comp' faders.txt 2>/dev/null)"
visible_window '^VCA Matrix$' >/dev/null && fail "Ctrl+V in the effects window showed the VCA matrix"

# A channel's comp and EQ lines, its number taken out.
chain_of() {
    grep -E $'^(comp|band1|band2|hshelf|lshelf|hp)\t'"$1"$'\t' faders.txt | sed "s/\t$1\t/\tN\t/"
}
[ "$(chain_of 11 | wc -l)" = 3 ] || fail "channel 11 should have three lines: $(chain_of 11)"
for channel in 12 13; do
    [ "$(chain_of "$channel")" = "$(chain_of 11)" ] || fail "channel $channel: $(chain_of "$channel")"
done

quit_program "$control"
echo "effect chain: ok"
