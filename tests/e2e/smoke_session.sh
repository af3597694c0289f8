#!/usr/bin/env bash
set -u
. "$(dirname "$0")/lib.sh"
start_veltrane "$1"
control=$(wait_window '^Veltrane$') || fail "the control window did not appear"
press "$control" ctrl+f
wait_window '^Faders$' >/dev/null || fail "Ctrl+F did not show the faders window"
press "$control" ctrl+q
wait_exit || fail "Ctrl+Q did not end the program"
status=$exit_status
[ "$status" = 0 ] || fail "exit status $status"
echo "smoke: ok"
