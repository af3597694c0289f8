#!/usr/bin/env bash
# The installed desktop entry, AppStream metadata and manual page pass their validators
# with no warning, and the manual names every key of the program's key table.
set -u
build=$(cd "$1" && pwd) source=$(cd "$2" && pwd)
. "$(dirname "$0")/lib.sh"
for tool in desktop-file-validate appstreamcli man; do
    command -v $tool >/dev/null || fail "$tool is missing: run 'bash scripts/install-deps.sh test'"
done
prefix=$(mktemp -d) || fail "no scratch folder"
trap 'rm -rf "$prefix"' EXIT
scratch_install "$build" "$prefix" || fail "cmake --install failed"

out=$(desktop-file-validate "$prefix"/share/applications/*.desktop 2>&1) ||
    fail "desktop-file-validate: $out"
[ -z "$out" ] || fail "desktop-file-validate warns: $out"

# validate-tree also checks that the metadata's launchable names the installed entry.
out=$(appstreamcli validate --no-net "$prefix"/share/metainfo/*.xml 2>&1) || fail "appstreamcli validate: $out"
out=$(appstreamcli validate-tree --no-net "$prefix" 2>&1) || fail "appstreamcli validate-tree: $out"

page=$prefix/share/man/man1/veltrane.1.gz
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "man --warnings: $warnings"
text=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -E UTF-8 -l "$page" 2>/dev/null)
# The launcher's name finds the same page in the installed tree.
for name in veltrane veltrane-open; do
    shown=$(LC_ALL=C.UTF-8 MANWIDTH=200 MANPATH="$prefix/share/man" man -E UTF-8 "$name" 2>&1)
    [ "$shown" = "$text" ] || fail "man $name does not show the installed page: $(head -c 300 <<<"$shown")"
done
keys=$("$build/print_keys" | sort -u) || fail "print_keys failed"
[ -n "$keys" ] || fail "the key table is empty"
while IFS= read -r key; do
    grep -qwF -- "$key" <<<"$text" || fail "the manual does not name $key"
done <<<"$keys"
echo "validators: ok ($(echo "$keys" | wc -l) keys in the manual)"
