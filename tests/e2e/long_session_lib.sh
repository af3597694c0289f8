# The driver of the long session: window placement, the input steps, waits for stores,
# the comparison of the stored files and the memory check.

# The starting project: the hand-made mix of mix_fixture.sh with a faders.txt of six
# active cue points, each automating channels 1-4 and 11-14, submixes and VCAs 1 and 2 and
# the master, so that most edits of the first indices and banks show in the stored file.
write_session_mix() {
    local block slot
    write_mix "$1" "$2"
    {
        printf '%s\r\n' "Evening Session" "" "subname	1	Drums" "sub	1	1,2" "" \
            "vcaname	1	Band" "VCA:	1	1,2,3" "" "comp	1	-12.0	10.0	100.0	1.5" \
            "rev	G	1	-6.0" "" "lim	M	-0.5" "" "rtn	-3.0	150.0" "" "p	2	-30" ""
        for block in 1 2 3 4 5 6; do
            printf '%s\r\n' "cue	Cue $block" "t	0	$((block * 10)).000	0"
            for slot in 1 2 3 4 11 12 13 14 "G	1" "G	2" M; do
                printf '%s\r\n' "v	$slot	-$block.50"
            done
            printf '%s\r\n' "ofs	1.500" "vca	1	-$block.00" "vca	2	-2.00" "rmp	0.500" ""
        done
        printf '%s\r\n' "submu	1" "end"
    } > "$1/faders.txt"
}

declare -A window_id
focused=

# Where each window stands on the 2048 x 1200 screen: none overlaps another, and each has
# room on its left and right for the drags past the ends of its sliders.
window_layout=(
    "control ^Veltrane$       1560 0"
    "faders  ^Faders$         140 0"
    "effects ^Effects$        900 0"
    "reverb  ^Reverb$         1340 700"
    "sub     ^Submix.Matrix$  140 700"
    "vca     ^VCA.Matrix$     740 700"
    "prefs   ^Preferences$    1560 260"
)
declare -A show_keys=([faders]=ctrl+f [effects]=ctrl+e [reverb]=ctrl+r [sub]=ctrl+g [vca]=ctrl+v [prefs]=ctrl+p)

# Shows the six windows from the control window and moves every window to its place.
open_windows() {
    local entry name title x y
    window_id[control]=$(wait_window '^Veltrane$') || fail "the control window did not appear"
    for entry in "${window_layout[@]}"; do
        read -r name title x y <<< "$entry"
        if [ "$name" != control ]; then
            press "${window_id[control]}" "${show_keys[$name]}"
            window_id[$name]=$(wait_window "$title") || fail "the $name window did not appear"
        fi
        xdotool windowmove "${window_id[$name]}" "$x" "$y"
    done
    sleep 0.5
}

# The program's peak resident size in kB.
peak_resident() {
    awk '/^VmHWM:/ { print $2 }' "/proc/$vpid/status"
}

inode() { stat -c %i faders.txt 2>/dev/null; }

# Waits up to 20 s for Store All to replace faders.txt (it is written last, by a rename),
# then keeps the three files as store number $stores.
wait_store() {
    for _ in $(seq 1 200); do
        [ "$(inode)" != "$last_inode" ] && break
        sleep 0.1
    done
    [ "$(inode)" != "$last_inode" ] || fail "edit $edits ($edit): the files were not stored"
    last_inode=$(inode)
    stores=$((stores + 1))
    peaks="$peaks $(peak_resident)"
    mkdir "snap-$stores"
    cp faders.txt tracks.txt prefs.txt "snap-$stores/"
}

wait_engine() {
    for _ in $(seq 1 200); do
        [ -s tolvex.log ] && return 0
        sleep 0.1
    done
    fail "edit $edits ($edit): Mix did not run the engine"
}

# Runs the input steps read from standard input (see long_session_model input).
drive() {
    local window args i
    edits=0 stores=0 edit= peaks= last_inode=$(inode)
    while IFS=$'\t' read -r -a args; do
        window=${args[0]}
        case "$window" in
        "#")
            edits=${args[1]}
            edit="${args[*]:2}"
            [ "${args[2]}" = mix ] && rm -f tolvex.log
            kill -0 "$vpid" 2>/dev/null || fail "the program ended before edit $edits ($edit)"
            continue ;;
        store) wait_store; continue ;;
        mix) wait_store; wait_engine; continue ;;
        esac
        local id=${window_id[$window]:-}
        [ -n "$id" ] || fail "edit $edits: no window '$window'"
        for i in "${!args[@]}"; do
            [ "${args[$i]}" = % ] && args[$i]=$id
        done
        if [ "$focused" != "$id" ]; then
            timeout 5 xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id"
            focused=$id
        fi
        timeout 10 xdotool "${args[@]:1}" || fail "edit $edits ($edit): xdotool failed"
    done
}

# Every stored set of files must equal the model's, byte for byte.
compare_stores() {
    local n name
    [ "$stores" -gt 0 ] || fail "nothing was stored"
    for n in $(seq 1 "$stores"); do
        for name in faders.txt tracks.txt prefs.txt; do
            if ! cmp -s "snap-$n/$name" "$session/model/snap-$n/$name"; then
                diff -u "$session/model/snap-$n/$name" "snap-$n/$name" | head -40 >&2
                fail "store $n: $name differs from the model (model first, then the program)"
            fi
        done
    done
}

# The peak may grow by a small margin (first menus, font caches); a leak of the session's
# edits would grow it far beyond. Under AddressSanitizer freed memory is held back on
# purpose, so the figures are printed but not judged.
# Arguments: the program, the peak at the start and at the end, in kB.
check_memory() {
    local margin=2048
    if grep -q -a __asan_init "$1" 2>/dev/null; then
        echo "memory: AddressSanitizer build, peak resident size not judged"
        return 0
    fi
    [ "$3" -le $(( $2 + margin )) ] || fail "peak resident size grew from $2 kB to $3 kB"
}
