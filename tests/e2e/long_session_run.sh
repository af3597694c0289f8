#!/usr/bin/env bash
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
. "$here/mix_fixture.sh"
program=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
build=$(cd "$2" && pwd)
model="$build/long_session_model"
[ -x "$model" ] || fail "no model program at $model"
[ -x "$build/tolvex" ] || fail "no engine in $build"
seed=${LONG_SESSION_SEED:-7}
count=${LONG_SESSION_EDITS:-300}

session=$(mktemp -d)
cleanup() {
    [ -n "${vpid:-}" ] && kill "$vpid" 2>/dev/null
    [ -n "${LONG_SESSION_KEEP:-}" ] && echo "kept $session" || rm -rf "$session"
}
trap cleanup EXIT
trap 'exit 1' TERM INT
mkdir "$session/gui" "$session/model"
. "$here/long_session_lib.sh"
write_session_mix "$session/gui" "$build"
write_session_mix "$session/model" "$build"
if [ -n "${LONG_SESSION_SCRIPT:-}" ]; then
    cp "$LONG_SESSION_SCRIPT" "$session/edits.txt" || fail "no edit script $LONG_SESSION_SCRIPT"
else
    "$model" script "$seed" "$count" > "$session/edits.txt"
fi
"$model" input "$session/edits.txt" > "$session/input.txt"
"$model" apply "$session/edits.txt" "$session/model" || fail "the model could not apply the edits"

started=$(date +%s)
start_veltrane "$program" "$session/gui"
open_windows
hwm_start=$(peak_resident)
drive < "$session/input.txt"
hwm_end=$(peak_resident)
control=${window_id[control]}
quit_program "$control"
elapsed=$(( $(date +%s) - started ))

echo "peak resident size (kB) at the start: $hwm_start; after each store:$peaks; at the end: $hwm_end"
compare_stores
check_memory "$program" "$hwm_start" "$hwm_end"
echo "long session: $edits edits, $stores stores compared, ${elapsed} s, VmHWM ${hwm_start} kB at the start, ${hwm_end} kB at the end"
