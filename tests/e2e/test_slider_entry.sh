#!/usr/bin/env bash
# The real program under Xvfb: in the effects window of channel 1, switch "Peak Comp" on,
# double click the threshold slider, type -12 and Return, store all with Ctrl+S in the control
# window, and find the typed threshold in faders.txt.
set -u
here=$(cd "$(dirname "$0")" && pwd)
exec "$here/../on_screen.sh" 1280x1024x24 bash "$here/slider_entry_session.sh" "$@"
