#!/usr/bin/env bash
# Opens the editor on the demo mix, in a scratch folder under the build directory.
set -eu
build=$(cd "$1" && pwd)
demo="$build/demo"
if [ ! -d "$demo" ]; then
    mkdir -p "$demo"
    cp "$(dirname "$0")/../examples/demo/"*.txt "$demo/"
    echo "Copied the demo mix into $demo"
fi
if [ -z "${DISPLAY:-}" ]; then
    echo "No display (DISPLAY is not set): run 'xvfb-run -a make run' to start Veltrane on a virtual screen." >&2
    exit 1
fi
cd "$demo"
echo "Starting Veltrane in $demo"
exec "$build/veltrane"
