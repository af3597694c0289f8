#!/usr/bin/env bash
# veltrane-open against a stand-in veltrane beside it that records where and how it ran:
# it enters the folder it is given (or stays in the current one) and runs the program there
# with no argument and its exit status; it starts the program beside its own real location,
# never one on the search path or beside a link to it; a missing, unenterable or non-folder
# argument fails with status 2 and one line on standard error, and nothing is started.
set -u
source=$(cd "$2" && pwd)
. "$(dirname "$0")/lib.sh"
t=$(mktemp -d) || fail "no scratch folder"
trap 'chmod -R u+rwx "$t"; rm -rf "$t"' EXIT
chmod 755 "$t"
log=$t/ran
mkdir "$t/bin" "$t/decoy" "$t/links"
cp "$source/packaging/veltrane-open" "$t/bin/"
printf '#!/bin/sh\necho "$(pwd -P) $#" >> %s\nexit 7\n' "$log" > "$t/bin/veltrane"
printf '#!/bin/sh\necho decoy >> %s\n' "$log" > "$t/decoy/veltrane"
chmod 755 "$t/bin/veltrane" "$t/decoy/veltrane"
cp "$t/decoy/veltrane" "$t/links/veltrane"
ln -s "$t/bin/veltrane-open" "$t/links/veltrane-open"
export PATH="$t/decoy:$PATH"

# Runs the launcher ($1) in folder $2 with the remaining arguments; sets status, out, err.
run() {
    local launcher=$1 dir=$2; shift 2
    rm -f "$log"
    out=$(cd "$dir" && "$launcher" "$@" 2>"$t/err"); status=$?
    err=$(cat "$t/err")
}
expect_ran_in() { # folder; the launcher's status must be the program's
    [ "$status" = 7 ] || fail "status $status, not the program's 7 (stderr: $err)"
    [ "$(cat "$log" 2>/dev/null)" = "$(cd "$1" && pwd -P) 0" ] ||
        fail "the program ran as '$(cat "$log" 2>/dev/null)', not in $1 with no argument"
}
expect_refused() { # message
    [ "$status" = 2 ] || fail "status $status, not 2, for: $1"
    [ "$err" = "$1" ] || fail "stderr '$err', not '$1'"
    [ -z "$out" ] || fail "stdout '$out' for: $1"
    [ ! -e "$log" ] || fail "the program was started for: $1"
}

mkdir -p "$t/mixes/song 1" "$t/mixes/-" "$t/cdpath/song 1"
run "$t/bin/veltrane-open" "$t" "$t/mixes/song 1";  expect_ran_in "$t/mixes/song 1"
run "$t/bin/veltrane-open" "$t/mixes" "song 1";     expect_ran_in "$t/mixes/song 1"
CDPATH=$t/cdpath run "$t/bin/veltrane-open" "$t/mixes" "song 1"; expect_ran_in "$t/mixes/song 1"
run "$t/bin/veltrane-open" "$t/mixes" -;            expect_ran_in "$t/mixes/-"
run "$t/bin/veltrane-open" "$t/mixes/song 1";       expect_ran_in "$t/mixes/song 1"
run "$t/links/veltrane-open" "$t" "$t/mixes";       expect_ran_in "$t/mixes"
run ../bin/veltrane-open "$t/mixes" "song 1";    expect_ran_in "$t/mixes/song 1"
PATH=$t/bin:$PATH run veltrane-open "$t" mixes;   expect_ran_in "$t/mixes"

run "$t/bin/veltrane-open" "$t" "$t/missing"
expect_refused "veltrane-open: no such folder: $t/missing"
touch "$t/mixes/faders.txt"
run "$t/bin/veltrane-open" "$t/mixes" faders.txt
expect_refused "veltrane-open: not a folder: faders.txt"
run "$t/bin/veltrane-open" "$t" ""
expect_refused "veltrane-open: the folder name is empty"
run "$t/bin/veltrane-open" "$t" a b
expect_refused "usage: veltrane-open [FOLDER]"

# A folder without search permission; root enters any folder, so drop to nobody there.
mkdir -m 0 "$t/locked"
as_user=""
if [ "$(id -u)" = 0 ]; then
    command -v setpriv >/dev/null || fail "setpriv is missing (util-linux)"
    as_user="setpriv --reuid=nobody --regid=nogroup --clear-groups"
    chmod 777 "$t"   # the program's log is written by nobody
fi
rm -f "$log"
out=$($as_user "$t/bin/veltrane-open" "$t/locked" 2>"$t/err"); status=$?
err=$(cat "$t/err")
expect_refused "veltrane-open: cannot enter folder: $t/locked"

rm "$t/bin/veltrane"
run "$t/bin/veltrane-open" "$t" "$t/mixes"
[ "$status" = 127 ] && [ "$err" = "veltrane-open: veltrane is missing beside the launcher: $t/bin/veltrane" ] ||
    fail "without a program beside it: status $status, '$err'"
[ ! -e "$log" ] || fail "a program elsewhere was started"
echo "veltrane-open: ok"
