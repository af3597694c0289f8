#!/usr/bin/env bash
# Builds and runs the whole suite twice: a plain build (g++), and a build with
# AddressSanitizer and UndefinedBehaviorSanitizer (clang, with the fuzz targets).
set -u
jobs=2
# Configured every time (it rebuilds nothing): a build folder that `make run` configured
# before the test packages were installed then finds them.
configure() { # dir, extra cmake arguments...
    local dir=$1; shift
    cmake -S . -B "$dir" -DVELTRANE_TESTS=ON "$@" >/dev/null || return 1
}
result=0
configure build || exit 1
configure build-san -DVELTRANE_SANITIZE=ON -DVELTRANE_FUZZ=ON \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ || exit 1
for dir in build build-san; do
    echo "== $dir: building"
    cmake --build "$dir" -j"$jobs" || { result=1; continue; }
    echo "== $dir: testing"
    ctest --test-dir "$dir" --output-on-failure -j"$jobs" || result=1
done
exit $result
