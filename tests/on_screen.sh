#!/usr/bin/env bash
# Runs a command on a virtual screen of its own: on_screen.sh [WIDTHxHEIGHTxDEPTH] COMMAND...
# Xvfb chooses a free display number itself and reports it once it accepts clients
# (-displayfd), so tests started at the same moment never race for a number, and the
# command starts only when its screen is ready, however slow the machine. -noreset: by
# default the server resets when its last client leaves, and a client that connects during
# the reset (the program starting while a test's probe has just disconnected) is refused.
set -u
screen=1280x1024x24
case "${1:-}" in [0-9]*x[0-9]*x[0-9]*) screen=$1; shift ;; esac
[ $# -gt 0 ] || { echo "usage: $0 [WxHxD] command..." >&2; exit 2; }

dir=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset 3> "$dir/display" 2> "$dir/xvfb.log" &
xvfb=$!
cleanup() { kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; rm -rf "$dir"; }
trap cleanup EXIT
trap 'exit 1' TERM INT

# The number is written with its line end when the server is ready (up to 120 s).
for _ in $(seq 1 1200); do
    [ "$(tail -c 1 "$dir/display" 2>/dev/null | od -An -c | tr -d ' ')" = '\n' ] && break
    kill -0 "$xvfb" 2>/dev/null || { cat "$dir/xvfb.log" >&2; echo "Xvfb did not start" >&2; exit 1; }
    sleep 0.1
done
number=$(tr -d '\n' < "$dir/display")
[ -n "$number" ] || { echo "Xvfb reported no display" >&2; exit 1; }
export DISPLAY=:$number
"$@"
