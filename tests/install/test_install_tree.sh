#!/usr/bin/env bash
# An install into a scratch prefix holds exactly the expected files, with the expected
# modes; the programs are the built ones byte for byte; the icons have their sizes; the
# desktop entry runs the installed launcher and names the installed icon.
set -u
build=$(cd "$1" && pwd) source=$(cd "$2" && pwd)
. "$(dirname "$0")/lib.sh"
prefix=$(mktemp -d) || fail "no scratch folder"
trap 'rm -rf "$prefix"' EXIT
scratch_install "$build" "$prefix" || fail "cmake --install failed"
cd "$prefix" || fail "no prefix"

expected=$(expected_files)
found=$(find . ! -type d -printf '%P\n' | LC_ALL=C sort | while read -r f; do
    if [ -f "$f" ] && [ -x "$f" ]; then echo "$f x"; else echo "$f -"; fi
done)
[ "$found" = "$expected" ] || fail "installed files differ from the expected list:
$(diff <(echo "$expected") <(echo "$found"))"

cmp -s "$build/veltrane" bin/veltrane || fail "bin/veltrane is not the built program"
cmp -s "$build/tolvex" lib/veltrane/tolvex || fail "lib/veltrane/tolvex is not the built engine"

# A PNG's width and height are the big-endian words at bytes 16 and 20.
png_size() {
    od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }'
}
for size in 48 128; do
    png=share/icons/hicolor/${size}x${size}/apps/veltrane.png
    [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "$png is not a PNG"
    [ "$(png_size "$png")" = "${size}x${size}" ] || fail "$png is $(png_size "$png"), not ${size}x${size}"
done

entry=share/applications/org.veltrane.veltrane.desktop
key() { sed -n "s/^$1=//p" "$entry"; }
[ "$(key Exec)" = "veltrane-open %f" ] || fail "Exec is '$(key Exec)'"
[ -x "bin/$(key Exec | cut -d' ' -f1)" ] || fail "Exec does not name an installed program"
[ "$(key MimeType)" = "inode/directory;" ] || fail "MimeType is '$(key MimeType)'"
for icon in share/icons/hicolor/*/apps/*; do
    [ "$(basename "${icon%.*}")" = "$(key Icon)" ] || fail "Icon=$(key Icon) does not name $icon"
done

# Configured files carry the program's own version, nothing left unsubstituted.
version=$(program_version "$source")
[ -n "$version" ] || fail "no version line in the program"
page=$(zcat share/man/man1/veltrane.1.gz) || fail "veltrane.1.gz is no gzip file"
grep -q '@' <<<"$page" && fail "veltrane.1 holds an unsubstituted @ name"
grep -q "^\.TH VELTRANE 1 .*\"Veltrane $version\"" <<<"$page" || fail "veltrane.1 does not name version $version"
grep -q "<release version=\"$version\"" share/metainfo/org.veltrane.veltrane.metainfo.xml ||
    fail "the metainfo does not name release $version"
echo "install tree: ok"
