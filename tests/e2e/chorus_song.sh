# A song of 19 cue points (verses, three choruses, an outro) for the sessions and screenshots of the cue table's block edits:
# write_chorus_song <dir>. Channels 5 and 6 are the backing vocals, automated at the three choruses
# (cue points 4, 8, 12) and faded out after each; the master is automated at the intro, the
# outro (14) and the end (19) only; the verses (2-3, 6-7) carry kick, snare, bass and lead vocal.
write_chorus_song() {
    awk 'BEGIN {
        split("0 12 24 36 48 60 72 84 96 108 116 124 136 148 154 160 172 190 200", t, " ")
        split("Intro|Verse 1||Chorus 1||Verse 2||Chorus 2||Bridge||Chorus 3||Outro|||||End", name, "|")
        printf "Song\r\n\r\n\r\n\r\n\r\n"
        for (k = 1; k <= 19; k++) {
            if (name[k] != "") printf "\r\ncue\t%s\r\n", name[k]
            printf "\r\nt\t%d\t%.3f\t0\r\n", int(t[k] / 60), t[k] - 60 * int(t[k] / 60)
            if (k == 2 || k == 3) printf "v\t1\t-3.00\r\nv\t2\t-5.%d0\r\n", k
            if (k == 3) printf "v\t4\t-3.50\r\n"
            if (k == 6) printf "v\t1\t-8.00\r\nv\t3\t-9.00\r\n"
            if (k == 1) printf "v\t3\t-4.00\r\n"
            if (k % 2 == 0 && k < 14) printf "v\t4\t%.2f\r\nrmp\t1.500\r\nshape\t2.000\r\n", -2 - (k % 6)
            if (k == 1) printf "v\t5\t-144.00\r\nv\t6\t-144.00\r\n"
            if (k == 4 || k == 8 || k == 12) printf "v\t5\t-6.00\r\nrmp\t2.000\r\nv\t6\t-7.00\r\nrmp\t2.000\r\n"
            if (k == 5 || k == 9 || k == 13) printf "v\t5\t-30.00\r\nrmp\t6.000\r\nshape\t0.500\r\nv\t6\t-30.00\r\nrmp\t6.000\r\nshape\t0.500\r\n"
            if (k == 1 || k == 14) printf "v\tM\t0.00\r\n"
            if (k == 19) printf "v\tM\t-60.00\r\n"
        }
        printf "\r\nend\r\n" }' > "$1/faders.txt"
    printf '%s\r\n' "1 Kick" "2 Snare" "3 Bass" "4 LeadVox" "5 BackVox1" "6 BackVox2" "7 Keys" "8 Guitar" "end" > "$1/tracks.txt"
}

# Selects the backing vocals (strip columns 4 and 5) over the three choruses (rows 3, 7, 11) in
# the cue window $1: a click and a Shift+click, then Ctrl+click and Shift+click for each next one.
# Needs cue_table_clicks.sh.
select_chorus_backing_vocals() {
    click_cell "$1" 3 4
    click_cell "$1" 3 5 shift
    for row in 7 11; do
        click_cell "$1" "$row" 4 ctrl
        click_cell "$1" "$row" 5 shift
    done
}
