#!/usr/bin/env bash
# Installs, with apt-get, the Debian packages that are missing for `make run` and
# `make install` (argument "run"), `make package` ("package") or `make test` ("test").
# Installs nothing when all are present.
set -eu
# fluid: FLTK's CMake package lists /usr/bin/fluid among its targets and fails without it.
run_packages="cmake make g++ libfltk1.3-dev fluid"
# dpkg-dev brings dpkg-shlibdeps, which works out the package's dependencies; CPack finds the
# binaries to give it with file.
package_packages="$run_packages dpkg-dev file"
# The installation tests validate the desktop entry, the AppStream file and the manual page,
# and check the package (lintian); setpriv (util-linux) drops to an unprivileged user.
test_packages="$package_packages desktop-file-utils appstream man-db lintian libgtest-dev libbenchmark-dev xvfb xauth xdotool clang libclang-rt-14-dev locales cppcheck valgrind"
case "${1:-run}" in
    run) wanted=$run_packages ;;
    package) wanted=$package_packages ;;
    test) wanted=$test_packages ;;
    *) echo "usage: $0 run|package|test" >&2; exit 2 ;;
esac

# The tests check that numbers keep a '.' decimal point under a locale with a decimal comma.
comma_locale() {
    [ "${1:-run}" = test ] || return 0
    locale -a 2>/dev/null | grep -qi '^de_DE.utf-\?8$' && return 0
    echo "Generating the de_DE.UTF-8 locale for the tests"
    localedef -i de_DE -f UTF-8 de_DE.UTF-8
}

missing=""
for p in $wanted; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && { comma_locale "${1:-run}"; exit 0; }

echo "Installing:$missing"
if [ "$(id -u)" != 0 ]; then
    sudo=sudo
    command -v sudo >/dev/null || { echo "Run as root, or install:$missing" >&2; exit 1; }
else
    sudo=
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
# shellcheck disable=SC2086
$sudo apt-get install -y -qq --no-install-recommends $missing
comma_locale "${1:-run}"
