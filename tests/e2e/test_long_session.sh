#!/usr/bin/env bash
# A long session with the real program under Xvfb: a few hundred edits across all windows
# (faders, effects, reverb, matrices, preferences; Store All, Recall All, Mix with the
# stand-in engine), every stored set of files compared byte for byte with the same edits
# applied straight to the state, and the peak resident size at the start and the end.
# LONG_SESSION_SEED and LONG_SESSION_EDITS choose another script, LONG_SESSION_SCRIPT names
# a written one (one edit per line, tab-separated, as "long_session_model script" writes).
set -u
here=$(cd "$(dirname "$0")" && pwd)
exec timeout 280 xvfb-run -a -s "-screen 0 2048x1200x24" bash "$here/long_session_run.sh" "$@"
