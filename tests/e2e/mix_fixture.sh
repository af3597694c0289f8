# A small hand-made mix for the end-to-end tests: write_mix <dir> <engine-dir>.
# The engine directory goes into prefs.txt as "path" with a trailing "/".
write_mix() {
    printf '%s\r\n' "Evening Session" "" "subname	1	Drums" "sub	1	1,2" "" "" \
        "vcaname	1	Band" "VCA:	1	1,2,3" "" "comp	1	-12.0	10.0	100.0	1.5" \
        "hp	3	80.0" "" "rev	G	1	-6.0" "" "lim	M	-0.5" "" "rtn	-3.0	150.0" \
        "" "" "p	2	-30" "" "" "cue	Intro" "" "t	0	0.000	0" "v	1	-3.50" \
        "v	2	-6.00" "ofs	1.500" "" "cue	Verse" "" "t	0	12.500	0" "v	1	0.00" \
        "rmp	2.000" "" "submu	1" "end" > "$1/faders.txt"
    printf '%s\r\n' "1 Kick +" "2 Snare ++" "3 Bass off" "4 Vox +" "end" > "$1/tracks.txt"
    printf '%s\r\n' "pre	off" "start	0.000	0.000	0" "length	0.000" "path	$2/" \
        "pan	3.0" "outbits	16" "dither	2" "mono" "color	97" "end" > "$1/prefs.txt"
}
