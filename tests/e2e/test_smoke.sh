#!/usr/bin/env bash
# Starts the real program under Xvfb in a scratch folder, opens the faders window
# with Ctrl+F and quits with Ctrl+Q.
set -u
here=$(dirname "$0")
exec "$here/../on_screen.sh" 1280x1024x24 bash "$here/smoke_session.sh" "$@"
