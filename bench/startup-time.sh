#!/usr/bin/env bash
# How soon the game shows itself: over RUNS starts of each build on one private X server, the
# median time from the exec to the window's first paint and to the first talk text painted (the
# title's first character), as the game reports them when KIRUNE_TRACE_STARTUP is set. The builds
# take turns, so that a busy moment of the machine falls on each alike, and each starts once
# untimed first so that its files are in the page cache. Run by hand (not by the test command):
#   bench/startup-time.sh [-n RUNS] [-s WxH] [BUILD_DIR...]   defaults: 10 runs, 1280x900, build
# With two builds, the second's medians are also given as a ratio of the first's.
# Needs Xvfb (scripts/setup.sh installs it).
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
runs=10 screen=1280x900
while [ "${1:-}" = -n ] || [ "${1:-}" = -s ]; do
    [ "$1" = -n ] && runs=$2 || screen=$2
    shift 2
done
builds=("$@")
((${#builds[@]})) || builds=("$here/build")

scratch=$(mktemp -d)
xvfb=""
cleanup() {
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT

source "$here/bench/private-display.sh"
start_private_display "$screen"
xvfb=$xvfb_pid
export SDL_AUDIODRIVER=dummy
unset QT_QPA_PLATFORM

for i in "${!builds[@]}"; do
    [ -x "${builds[$i]}/kirune/kirune" ] || { echo "startup-time: no ${builds[$i]}/kirune/kirune" >&2; exit 1; }
    cp -r "${builds[$i]}/kirune" "$scratch/program$i"
done

# One start of a program: prints "WINDOW_MS TEXT_MS", or nothing if it did not get that far in 20 s.
start_once() {
    local log="$scratch/log"
    rm -rf "$scratch/home" "$scratch/runtime"
    mkdir -p "$scratch/home" && mkdir -m 700 "$scratch/runtime"
    (
        echo "exec ${EPOCHREALTIME/[.,]/}" >"$log"
        HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/runtime" KIRUNE_TRACE_STARTUP=1 exec "$1" >/dev/null 2>>"$log"
    ) &
    local game=$!
    for _ in $(seq 400); do
        grep -q "startup text" "$log" 2>/dev/null && break
        sleep 0.05
    done
    kill "$game" 2>/dev/null
    wait "$game" 2>/dev/null
    awk '$1 == "exec" { t0 = $2 }
         $2 == "startup" && !($3 in at) { at[$3] = ($4 - t0) / 1000 }
         END { if ("window" in at && "text" in at) printf "%.1f %.1f\n", at["window"], at["text"] }' "$log"
}

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR) print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }

for i in "${!builds[@]}"; do
    start_once "$scratch/program$i/kirune" >/dev/null
done
for run in $(seq "$runs"); do
    for i in "${!builds[@]}"; do
        times=$(start_once "$scratch/program$i/kirune")
        [ -n "$times" ] || { echo "startup-time: ${builds[$i]} reported no start (is KIRUNE_TRACE_STARTUP in it?)" >&2; exit 1; }
        echo "$times" >>"$scratch/times$i"
    done
done

echo "start-up over $runs runs each, $(nproc) cores, $(date -u +%FT%TZ): median ms from exec"
printf '%-40s %10s %12s\n' build window "first text"
for i in "${!builds[@]}"; do
    window=$(cut -d' ' -f1 "$scratch/times$i" | median)
    text=$(cut -d' ' -f2 "$scratch/times$i" | median)
    printf '%-40s %10.1f %12.1f\n' "${builds[$i]}" "$window" "$text"
    echo "$window $text" >>"$scratch/medians"
done
if ((${#builds[@]} == 2)); then
    awk 'NR == 1 { w = $1; t = $2 } NR == 2 { printf "%-40s %10.2f %12.2f\n", "ratio, second to first", $1 / w, $2 / t }' \
        "$scratch/medians"
fi
