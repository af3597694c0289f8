#!/usr/bin/env bash
set -u
. "$(dirname "$0")/lib.sh"
start_veltrane "$1"
control=$(wait_window '^Veltrane$') || fail "the control window did not appear"
press "$control" ctrl+f
wait_window '^Faders$' >/dev/null || fail "Ctrl+F did not show the faders window"
quit_program "$control"
echo "smoke: ok"
