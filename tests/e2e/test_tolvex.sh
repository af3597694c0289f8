#!/usr/bin/env bash
# The stand-in engine: reports the mix of a project folder and writes tolvex.log there;
# refuses missing or unreadable files and arguments, and never touches the project files.
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
. "$here/mix_fixture.sh"
engine="$(cd "$2" && pwd)/tolvex"
[ -x "$engine" ] || fail "no engine at $engine"

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
write_mix "$dir" /opt/engine
before=$(cd "$dir" && md5sum faders.txt tracks.txt prefs.txt)
(cd "$dir" && "$engine" > out.txt 2> err.txt) || fail "engine failed on a good mix: $(cat "$dir/err.txt")"
cmp -s "$dir/out.txt" "$dir/tolvex.log" || fail "the log differs from what was printed"
for expected in 'mix "Evening Session"' '"Intro"' '"Verse"' 'time 0 12.500 0' \
    '1  "Kick"  automated at 2 cue points' '2  "Snare"  solo' '3  "Bass"  mute' \
    '"Drums"  channels 1,2  mute' '"Band"  channels 1,2,3' 'channel 1: comp' 'channel 3: hp' \
    'submix 1: rev' 'master: lim' '16 bit, dither 2, mono, pan law 3.0'; do
    grep -qF -- "$expected" "$dir/tolvex.log" || fail "log lacks: $expected"
done
[ "$(cd "$dir" && md5sum faders.txt tracks.txt prefs.txt)" = "$before" ] || fail "the engine changed the files"

# Arguments are refused.
(cd "$dir" && "$engine" extra > /dev/null 2>&1) && fail "an argument was accepted"

# Each project file missing, or not a readable file: a message, a failure, nothing created.
for name in faders.txt tracks.txt prefs.txt; do
    case_dir=$(mktemp -d -p "$dir")
    write_mix "$case_dir" /opt/engine
    rm "$case_dir/$name"
    (cd "$case_dir" && "$engine" > /dev/null 2> err.txt) && fail "ran without $name"
    grep -qF "$name" "$case_dir/err.txt" || fail "no message names the missing $name"
    [ -e "$case_dir/$name" ] && fail "the engine created $name"
    [ -e "$case_dir/tolvex.log" ] && fail "a log was written without $name"
    mkdir "$case_dir/$name"
    (cd "$case_dir" && "$engine" > /dev/null 2> err.txt) && fail "ran with a directory as $name"
    grep -qF "$name" "$case_dir/err.txt" || fail "no message names the unreadable $name"
done
echo "tolvex: ok"
