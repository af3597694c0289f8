#!/usr/bin/env bash
# A whole session with the real program under Xvfb: recall a hand-made mix with
# "Recall All", change the launch command in the preferences window, store all with
# Ctrl+S, then mix with Ctrl+M and find the engine's log in the project folder.
set -u
here=$(cd "$(dirname "$0")" && pwd)
exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$here/mix_session.sh" "$@"
