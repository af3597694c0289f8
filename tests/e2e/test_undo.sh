#!/usr/bin/env bash
# Undo and redo with the real program under Xvfb: what a store writes after Ctrl+Z and
# Ctrl+Shift+Z, for a typed pan, a Remove Index and a Recall All over edits.
set -u
here=$(cd "$(dirname "$0")" && pwd)
exec "$here/../on_screen.sh" 1280x1024x24 bash "$here/undo_session.sh" "$@"
