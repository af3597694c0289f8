#!/usr/bin/env bash
# The screenshots of the cue window in the README: the demo mix, and a mix of 100 active cue
# points with a vocal ride, a snare that comes and goes and one cue point moved onto a wrong time.
#   usage: xvfb-run -a -s "-screen 0 1280x1024x24" bash scripts/cue-screenshots.sh build/veltrane
set -eu
bin=$(realpath "$1")
repo=$(cd "$(dirname "$0")/.." && pwd)
out=$repo/docs/screenshots
. "$repo/tests/e2e/lib.sh"

wait_until() { for _ in $(seq 1 150); do "$@" && return 0; sleep 0.1; done; return 1; }
visible_windows() { xdotool search --onlyvisible --name '' 2>/dev/null | wc -l; }
more_windows_than() { [ "$(visible_windows)" -gt "$1" ]; }

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
    local control shown
    control=$(wait_window '^Veltrane$')
    shown=$(visible_windows)
    xdotool mousemove --window "$control" 336 90 click 1
    wait_until more_windows_than "$shown"
    xdotool key Down Down Down Down Return
    press "$control" ctrl+l
    cues=$(wait_window '^Cues$')
}

demo=$(mktemp -d)
cp "$repo/examples/demo/"*.txt "$demo/"
open_cues "$demo"
sleep 1
import -window "$cues" "$out/cues-demo.png"
kill "$vpid"

mix=$(mktemp -d)
hundred_cues "$mix"
open_cues "$mix"
# Plot the lead vocal (channel 4's heading), then step to the 62nd cue point.
xdotool mousemove --window "$cues" $((10 + 486 + 3 * 56 + 28)) 56 click 1
for _ in $(seq 1 61); do xdotool key --window "$cues" Next; done
sleep 1
import -window "$cues" "$out/cues-100.png"
kill "$vpid"
rm -rf "$demo" "$mix"
