#!/usr/bin/env bash
# The cue window with the real program under Xvfb: recall the demo with "Recall All", Ctrl+L
# shows "Cues", a volume typed into a cell is stored by Ctrl+S as a "v" line of its block, and
# after Page Down in the faders window an edit lands in the next active block.
set -u
here=$(cd "$(dirname "$0")" && pwd)
exec "$here/../on_screen.sh" 1280x1024x24 bash "$here/cues_session.sh" "$@"
