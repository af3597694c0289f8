#!/usr/bin/env bash
# The README's screenshot of a selection in the cue table: the song of tests/e2e/chorus_song.sh,
# the backing vocals (channels 5 and 6) selected over the three choruses with Ctrl+click, and
# the plot of backing vocal 1 as the mix plays it.
#   usage: xvfb-run -a -s "-screen 0 1280x1024x24" bash scripts/cue-block-screenshot.sh build/veltrane
set -eu
bin=$(realpath "$1")
repo=$(cd "$(dirname "$0")/.." && pwd)
out=${2:-$repo/docs/screenshots/cues-selection.png}
. "$repo/tests/e2e/lib.sh"
. "$repo/tests/e2e/chorus_song.sh"
. "$repo/tests/e2e/cue_table_clicks.sh"

song=$(mktemp -d)
write_chorus_song "$song"
start_veltrane "$bin" "$song"
control=$(wait_window '^Veltrane$')
cues=$(recall_and_show_cues "$control")
click_heading "$cues" 4
select_chorus_backing_vocals "$cues"
sleep 1
import -window "$cues" "$out"
kill "$vpid"
rm -rf "$song"
