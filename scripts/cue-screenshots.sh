#!/usr/bin/env bash
# The screenshots of the cue window in the README, on a 1366 x 768 screen: the demo mix, a mix of
# 100 active cue points with a vocal ride, a snare that comes and goes and one cue point moved
# onto a wrong time, and a song of 24 named cue points before and after an insert.
#   usage: xvfb-run -a -s "-screen 0 1366x768x24" bash scripts/cue-screenshots.sh build/veltrane
set -eu
bin=$(realpath "$1")
repo=$(cd "$(dirname "$0")/.." && pwd)
out=$repo/docs/screenshots
. "$repo/tests/e2e/lib.sh"
. "$repo/tests/e2e/song_fixture.sh"

# Writes faders.txt and tracks.txt of the 100-cue mix into $1.
hundred_cues() {
    awk 'BEGIN {
        printf "Hundred cues\r\n\r\nsubname\t1\tDrums\r\nsub\t1\t1,2\r\n\r\n\r\nvcaname\t1\tBand\r\nVCA:\t1\t1,2,3,4\r\n\r\n"
        for (k = 0; k < 100; k++) {
            t = k * 2.5; if (k == 61) t -= 9;          # one cue point on a wrong time
            if (k % 8 == 0) printf "\r\ncue\t%s %d\r\n", (k < 32 ? "Verse" : k < 64 ? "Chorus" : "Bridge"), k / 8 + 1
            printf "\r\nt\t%d\t%.3f\t0\r\n", int(t / 60), t - 60 * int(t / 60)
            printf "v\t1\t-3.00\r\n"
            if (k % 16 < 10) printf "v\t2\t%.2f\r\n", -8 + 3 * sin(k / 3)
            printf "v\t4\t%.2f\r\n", -12 + 10 * sin(k / 12) + 2 * sin(k / 2.5)
            if (k % 5 == 0) printf "v\tG\t1\t%.2f\r\n", -2 - k / 25
            printf "v\tM\t-1.00\r\n"
        }
        printf "end\r\n" }' > "$1/faders.txt"
    printf '%s\r\n' "1 Kick" "2 Snare" "3 Bass" "4 Vox" "end" > "$1/tracks.txt"
}

# Starts the program in $1, runs "Recall All" and shows the cue window, whose id goes to $cues.
open_cues() {
    start_veltrane "$bin" "$1"
    local control
    control=$(wait_window '^Veltrane$')
    cues=$(recall_and_show_cues "$control")
    focus_window "$cues"
}

# The mouse leaves the table first, so that no tooltip stands over it.
shot() { xdotool mousemove --window "$cues" 640 690; sleep 1; import -window "$cues" "$out/$1"; }

demo=$(mktemp -d)
cp "$repo/examples/demo/"*.txt "$demo/"
open_cues "$demo"
shot cues-demo.png
kill "$vpid"

mix=$(mktemp -d)
hundred_cues "$mix"
open_cues "$mix"
# Plot the lead vocal (channel 4's heading), then step to the 62nd cue point.
xdotool mousemove --window "$cues" $((10 + 486 + 3 * 56 + 28)) 56 click 1
for _ in $(seq 1 61); do xdotool key --window "$cues" Next; done
shot cues-100.png
kill "$vpid"

# The song: cue 15's name cell framed, then Insert makes cue 16, named at once.
song=$(mktemp -d)
write_song "$song"
open_cues "$song"
xdotool mousemove --window "$cues" $((8 + 2 + 336 + 50)) $((36 + 2 + 36 + 14 * 20 + 10)) click 1
shot cue-list-before.png
xdotool key Insert
xdotool type --delay 30 "Fill"
shot cue-list-after.png
kill "$vpid"
rm -rf "$demo" "$mix" "$song"
