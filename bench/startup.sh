#!/usr/bin/env bash
# Start-up time to the shown control window (median of N runs) and resident memory after
# start-up, for the built program under a virtual display.
#   usage: xvfb-run -a bash bench/startup.sh build/veltrane [runs]
set -eu
bin=$(realpath "$1")
runs=${2:-11}
dir=$(mktemp -d)
cd "$dir"
times=()
rss=0
for _ in $(seq 1 "$runs"); do
    start=$(date +%s%N)
    "$bin" >/dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --name '^Veltrane$' >/dev/null 2>&1; do sleep 0.005; done
    end=$(date +%s%N)
    times+=($(( (end - start) / 1000 )))
    rss=$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status")
    kill "$pid"; wait "$pid" 2>/dev/null || true
done
median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')
echo "start-up to shown control window: median $((median / 1000)).$(( (median % 1000) / 100 )) ms over $runs runs"
echo "resident memory after start-up: $rss KiB"
rm -rf "$dir"
