#!/usr/bin/env bash
# The real program under Xvfb: set a compressor and two EQ blocks on channel 11, copy the
# chain with Ctrl+C, paste it with Ctrl+V onto channels 12 and 13, store all with Ctrl+S and
# find channel 11's comp and EQ lines for all three in faders.txt.
set -u
here=$(cd "$(dirname "$0")" && pwd)
exec "$here/../on_screen.sh" 1280x1024x24 bash "$here/effect_chain_session.sh" "$@"
