# A song of 24 named cue points, 8 s apart, for the cue list's session and screenshots:
# write_song <dir>. Cue point k (0..23) has channel 1 at -k/2 dB, the lead vocal (channel 4)
# riding around -10 dB and the master at -1 dB; so every block can be told by its levels.
song_names="Intro,Verse 1,Pre 1,Chorus 1,Post 1,Verse 2,Pre 2,Chorus 2,Post 2,Bridge,Break,Build,Drop,Chorus 3,Lift,Outro A,Solo,Solo 2,Vamp,Tag,Ritard,Hold,Fade,End"
write_song() {
    awk -v names="$song_names" 'BEGIN {
        n = split(names, name, ",")
        printf "Song\r\n\r\nsubname\t1\tDrums\r\nsub\t1\t1,2\r\n\r\n\r\n\r\n\r\n\r\n"
        for (k = 0; k < n; k++) {
            t = k * 8
            printf "\r\ncue\t%s\r\n\r\nt\t%d\t%.3f\t0\r\n", name[k + 1], int(t / 60), t - 60 * int(t / 60)
            printf "v\t1\t%.2f\r\n", k ? -k / 2 : 0
            printf "v\t4\t%.2f\r\n", -10 + 4 * sin(k / 3)
            printf "v\tM\t-1.00\r\n"
        }
        printf "end\r\n" }' > "$1/faders.txt"
    printf '%s\r\n' "1 Kick" "2 Snare" "3 Bass" "4 Lead Vocal Double" "end" > "$1/tracks.txt"
}
