#!/usr/bin/env bash
# The cue list with the real program under Xvfb: recall a song of 24 named cue points, insert a
# cue point after cue 15 and type its name and time in the table, remove another with
# Ctrl+Delete, sort with Ctrl+T, store with Ctrl+S; faders.txt keeps every name with its own
# time and levels, block by block.
set -u
here=$(cd "$(dirname "$0")" && pwd)
exec "$here/../on_screen.sh" 1366x768x24 bash "$here/cue_list_session.sh" "$@"
