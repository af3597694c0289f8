#!/usr/bin/env bash
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
. "$here/mix_fixture.sh"

# Ctrl+S (a shortcut of the control window $1), waiting until faders.txt (written last) is new.
store() {
    local before
    before=$(inode_of faders.txt)
    press "$1" ctrl+s
    wait_replaced faders.txt "$before" || fail "Ctrl+S did not store"
}

visible_windows() { xdotool search --onlyvisible --name '' 2>/dev/null | wc -l; }
more_windows_than() { [ "$(visible_windows)" -gt "$1" ]; }

# Raises window $1 above the others, opens its menu button at ($2, $3) and waits for the
# menu to show.
open_menu() {
    local count
    count=$(visible_windows)
    xdotool windowraise "$1"
    xdotool mousemove --window "$1" "$2" "$3" click 1
    wait_for more_windows_than "$count" || fail "the menu did not open"
}

project=$(mktemp -d)
start_veltrane "$1" "$project"
control=$(wait_window '^Veltrane$') || fail "the control window did not appear"
press "$control" ctrl+f
faders=$(wait_window '^Faders$') || fail "Ctrl+F did not show the faders window"

# A first store names the empty channel 1 "----" and mutes it, a step of its own: done
# now, so that the stores below change nothing and keep what can be redone.
store "$control"

# The pan field of strip 1, channel 1 (547, 177, 40 x 18): type 40 and Enter.
xdotool mousemove --window "$faders" 567 186 click 1
xdotool key --clearmodifiers End BackSpace BackSpace BackSpace
xdotool type --delay 20 "40"
xdotool key --clearmodifiers Return
press "$faders" ctrl+z
store "$control"
grep -q $'^p\t1\t' faders.txt && fail "Ctrl+Z left the typed pan in faders.txt"
press "$faders" ctrl+shift+z
store "$control"
grep -q $'^p\t1\t40' faders.txt || fail "Ctrl+Shift+Z did not bring the pan back"

# Remove Index (second item of "Edit Index", 399, 116, 85 x 20), then Ctrl+Z.
cp faders.txt before-remove.txt
open_menu "$faders" 441 126
xdotool key Down Down Return
store "$control"
cmp -s faders.txt before-remove.txt && fail "Remove Index changed nothing"
press "$faders" ctrl+z
store "$control"
cmp -s faders.txt before-remove.txt || fail "Ctrl+Z after Remove Index did not give back faders.txt"

# Recall All of another mix over the edits, then Ctrl+Z: a store writes the edited mix.
mkdir edited
store "$control"
cp faders.txt tracks.txt prefs.txt edited/
write_mix "$project" "$project"
open_menu "$control" 336 90
xdotool key Down Down Down Down Return
press "$control" ctrl+z
store "$control"
for name in faders.txt tracks.txt prefs.txt; do
    cmp -s "$name" "edited/$name" || fail "Ctrl+Z after Recall All: $name is not the edited mix's"
done
press "$control" ctrl+y
store "$control"
grep -q $'^Evening Session\r$' faders.txt || fail "Ctrl+Y did not redo the Recall All"

quit_program "$control"
rm -rf "$project"
echo "undo session: ok"
