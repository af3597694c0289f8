#!/usr/bin/env bash
# The Debian package that CPack builds holds the installed tree under /usr, with the same
# modes, owned by root; it is named and versioned after the program, and its dependencies
# were worked out from the binaries (the toolkit and the C++ runtime among them). lintian
# finds no error and no warning in it.
set -u
build=$(cd "$1" && pwd) source=$(cd "$2" && pwd)
. "$(dirname "$0")/lib.sh"
for tool in cpack dpkg-deb dpkg-shlibdeps file lintian; do
    command -v $tool >/dev/null || fail "$tool is missing: run 'bash scripts/install-deps.sh test'"
done
out=$(mktemp -d) || fail "no scratch folder"
trap 'rm -rf "$out"' EXIT
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" > "$out/cpack.log" 2>&1 ||
    fail "cpack failed: $(cat "$out/cpack.log")"
version=$(program_version "$source")
debs=("$out"/veltrane_"$version"_*.deb)
[ ${#debs[@]} = 1 ] && [ -f "${debs[0]}" ] || fail "no veltrane_${version}_*.deb: $(ls "$out")"
deb=${debs[0]}

[ "$(dpkg-deb -f "$deb" Package)" = veltrane ] || fail "package name $(dpkg-deb -f "$deb" Package)"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version $(dpkg-deb -f "$deb" Version)"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libfltk1.3 libstdc++6; do
    tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//' | grep -qxF "$library" ||
        fail "Depends lacks $library: $depends"
done

# Each line of the listing: mode, owner, size, date, time, path.
listing=$(dpkg-deb -c "$deb") || fail "dpkg-deb cannot list the package"
[ -z "$(awk '$2 != "root/root"' <<<"$listing")" ] || fail "files not owned by root:
$(awk '$2 != "root/root"' <<<"$listing")"
found=$(awk '$1 !~ /^d/ { sub(/^\.\/usr\//, "", $6); print $6, ($1 ~ /x/ ? "x" : "-") }' <<<"$listing" | LC_ALL=C sort)
[ "$found" = "$(expected_files)" ] || fail "the package's files differ from an install's:
$(diff <(expected_files) <(echo "$found"))"
# Info and pedantic tags are advice; an error or a warning fails.
report=$(lintian --fail-on error,warning "$deb" 2>&1) || fail "lintian: $report"
echo "package: ok ($(basename "$deb"); Depends: $depends; lintian: no error, no warning)"
