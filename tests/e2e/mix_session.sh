#!/usr/bin/env bash
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
. "$here/mix_fixture.sh"
build=$(cd "$2" && pwd)
[ -x "$build/tolvex" ] || fail "no engine in $build"
project=$(mktemp -d)
write_mix "$project" "$build"
start_veltrane "$1" "$project"
control=$(wait_window '^Veltrane$') || fail "the control window did not appear"

# "Recall" menu button (295, 80, 82 x 20): open it, walk down to its fourth item.
focus_window "$control"
xdotool mousemove --window "$control" 336 90 click 1
xdotool key Down Down Down Down Return

press "$control" ctrl+p
prefs=$(wait_window '^Preferences$') || fail "Ctrl+P did not show the preferences window"
# The "Launch Command" field (17, 184, 207 x 18).
xdotool mousemove --window "$prefs" 60 193 click 1
xdotool type --delay 20 "render now"

# Store All writes prefs.txt, tracks.txt and faders.txt in that order, each by a rename.
before=$(inode_of faders.txt)
press "$control" ctrl+s
wait_replaced faders.txt "$before" || fail "Ctrl+S did not store faders.txt"
grep -q $'^Evening Session\r$' faders.txt || fail "faders.txt lost the recalled mix name"
grep -q $'^cue\tVerse\r$' faders.txt || fail "faders.txt lost a recalled cue point"
grep -q $'^2 Snare ++\r$' tracks.txt || fail "tracks.txt lost a recalled track"
grep -q $'^launch\trender now\r$' prefs.txt || fail "prefs.txt lacks the typed launch command"
grep -q $'^outbits\t16\r$' prefs.txt || fail "prefs.txt lost the recalled word length"
grep -qF "path	$build/" prefs.txt || fail "prefs.txt lost the engine's directory"

press "$control" ctrl+m
wait_for test -s tolvex.log || fail "Ctrl+M did not run the engine in the project folder"
wait_for grep -qF 'mix "Evening Session"' tolvex.log || fail "the engine did not read the mix"
wait_for grep -qF 'launch "render now"' tolvex.log || fail "the engine did not see the stored launch command"
# Ctrl+M typed with the focus in a text field mixes; it is not typed into the text.
grep -q $'^launch\trender now\r$' prefs.txt || fail "Ctrl+M changed the launch command"

quit_program "$control"
rm -rf "$project"
echo "mix session: ok"
