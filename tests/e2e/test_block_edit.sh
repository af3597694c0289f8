#!/usr/bin/env bash
# Edits of many cells in the cue window with the real program under Xvfb: a relative edit over the
# backing vocals of three choruses selected with Ctrl+click, a verse's block copied and pasted over
# another, a fade interpolated by cue time over six rows, then Ctrl+S and the "v" lines stored.
set -u
here=$(cd "$(dirname "$0")" && pwd)
exec "$here/../on_screen.sh" 1280x1024x24 bash "$here/block_edit_session.sh" "$@"
