#!/usr/bin/env bash
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
. "$here/../install/lib.sh"
build=$(cd "$2" && pwd)
t=$(mktemp -d) || fail "no scratch folder"
trap 'rm -rf "$t"' EXIT
prefix=$t/prefix project="$t/mixes/song 1"
mkdir -p "$prefix" "$project" "$t/elsewhere"
scratch_install "$build" "$prefix" || fail "cmake --install failed"

# Started from another folder, as a file manager or the desktop menu would.
cd "$t/elsewhere" || fail "no folder to start from"
"$prefix/bin/veltrane-open" "$project" > "$t/veltrane.out" 2>&1 &
vpid=$!
control=$(wait_window '^Veltrane$') || fail "the control window did not appear"
# The launcher replaced itself with the program, so this is the program's working folder.
[ "$(readlink "/proc/$vpid/cwd")" = "$project" ] || fail "the program runs in $(readlink "/proc/$vpid/cwd")"

press "$control" ctrl+s
for name in prefs.txt tracks.txt faders.txt; do
    wait_for test -s "$project/$name" || fail "Ctrl+S did not store $name in the project folder"
done
[ -z "$(ls "$t/elsewhere")" ] || fail "files were written where the launcher was started: $(ls "$t/elsewhere")"

# Point "Path to Tolvex" at the installed engine's folder, Recall All, then Mix.
sed -i "/^path\t/d; s|^end\r\$|path\t$prefix/lib/veltrane/\r\nend\r|" "$project/prefs.txt"
grep -q "^path	$prefix/lib/veltrane/" "$project/prefs.txt" || fail "no path line could be put into prefs.txt"
focus_window "$control"
xdotool mousemove --window "$control" 336 90 click 1   # the "Recall" menu button
xdotool key Down Down Down Down Return                  # "Recall All"
press "$control" ctrl+m
wait_for test -s "$project/tolvex.log" || fail "Mix did not run $prefix/lib/veltrane/tolvex in the project folder"

quit_program "$control"
echo "open folder: ok"
