#!/usr/bin/env bash
# Builds the Debian package veltrane_VERSION_ARCH.deb in the build folder $1 with CPack,
# unless the newest one there is newer than everything that goes into it.
set -eu
build=$(cd "$1" && pwd)
source=$(cd "$(dirname "$0")/.." && pwd)
cd "$build"
deb=$(ls -t veltrane_*.deb 2>/dev/null | head -n 1)
if [ -n "$deb" ] && [ -z "$(find veltrane tolvex packaging CPackConfig.cmake \
        "$source/packaging" "$source/cmake" -newer "$deb" 2>/dev/null | head -n 1)" ]; then
    echo "Up to date: $build/$deb"
    exit 0
fi
cpack -G DEB
