#!/usr/bin/env bash
# Keys a user presses in the real program under Xvfb: Escape closes no window (the
# control window stays, and with it the program), and a file name typed into the file
# chooser and confirmed with Return names the channel.
set -u
here=$(dirname "$0")
exec "$here/../on_screen.sh" 1280x1024x24 bash "$here/keys_session.sh" "$@"
