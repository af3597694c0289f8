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

# A double click on a slider's value box (its left end) opens the entry for a typed value.
type_value() {
    xdotool mousemove --window "$effects" "$1" "$2" click --repeat 2 --delay 100 1
    xdotool type --delay 50 -- "$3"
    xdotool key Return
}

go_to_channel 11
# "Peak Comp" (30, 125) with its threshold (31, 157); "EQ: Low Shelf" (30, 340) with its dB
# (31, 413); "EQ: Band 1" (150, 340) with its Hz (151, 373).
xdotool mousemove --window "$effects" 80 135 click 1
type_value 45 167 -12
xdotool mousemove --window "$effects" 80 350 click 1
type_value 45 423 4.5
xdotool mousemove --window "$effects" 200 350 click 1
type_value 165 383 800
xdotool key ctrl+c
for channel in 12 13; do
    go_to_channel "$channel"
    xdotool key ctrl+v
done
press "$control" ctrl+s
wait_line faders.txt $'comp\t13\t-12.0\t10.0\t100.0\t1.5' ||
    fail "channel 13 lacks the pasted compressor: $(grep '^comp' faders.txt 2>/dev/null)"
visible_window '^VCA Matrix$' >/dev/null && fail "Ctrl+V in the effects window showed the VCA matrix"

# Each channel's comp and EQ lines, with the channel number taken out.
chain_of() {
    grep -E $'^(comp|band1|band2|hshelf|lshelf|hp)\t'"$1"$'\t' faders.txt | sed "s/\t$1\t/\tN\t/"
}
source_chain=$(chain_of 11)
[ "$(echo "$source_chain" | wc -l)" = 3 ] || fail "channel 11 should have three lines: $source_chain"
for channel in 12 13; do
    [ "$(chain_of "$channel")" = "$source_chain" ] ||
        fail "channel $channel: $(chain_of "$channel") instead of $source_chain"
done

quit_program "$control"
echo "effect chain: ok"
