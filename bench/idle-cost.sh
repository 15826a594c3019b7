#!/usr/bin/env bash
# The game's idle cost against a floor, on one machine in one run: CPU per process and per
# thread, and resident memory, of
#   - the floor: a bare Qt window repainting a stage-sized picture every 10 ms (kirune_idle_floor),
#   - the game on its title after the theme has ended,
#   - the game on a play stage, reached as the smoke test reaches it, left alone.
# Each is sampled from /proc over the same span. Run by hand (not by the test command):
#   bench/idle-cost.sh [BUILD_DIR] [SECONDS]        defaults: build, 30
# Needs Xvfb, xdotool and ImageMagick (scripts/setup.sh installs them).
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
span=${2:-30}
settle=${KIRUNE_IDLE_SETTLE:-90}  # the title's theme ends within this, and its synthesiser is let go
hz=$(getconf CLK_TCK)

scratch=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT

source "$here/bench/private-display.sh"
start_private_display
pids+=("$xvfb_pid")
export SDL_AUDIODRIVER=dummy HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

# Ticks of every thread of a process, one line per thread: "name ticks".
threads() {
    for t in /proc/"$1"/task/*; do
        local stat name
        stat=$(cat "$t/stat" 2>/dev/null) || continue
        name=$(cat "$t/comm" 2>/dev/null)
        # Fields after the command's closing parenthesis: utime is the 12th, stime the 13th.
        set -- ${stat##*) }
        echo "${name// /_} $((${12} + ${13}))"
    done
}
# Samples a process for the span: its CPU % in total and per thread name, and its RSS.
sample() {
    local label=$1 pid=$2
    threads "$pid" | sort >"$scratch/before"
    sleep "$span"
    threads "$pid" | sort >"$scratch/after"
    local rss
    rss=$(awk '/^VmRSS/ {print $2}' /proc/"$pid"/status)
    awk -v label="$label" -v span="$span" -v hz="$hz" -v rss="$rss" '
        FNR == NR { before[$1] += $2; next }
        { after[$1] += $2 }
        END {
            total = 0
            for (n in after) { d = after[n] - before[n]; total += d; share[n] = d }
            printf "%-8s %6.2f %%  RSS %5.1f MB  |", label, 100 * total / hz / span, rss / 1024
            for (n in share) if (share[n] > 0) printf " %s %.2f %%", n, 100 * share[n] / hz / span
            printf "\n"
            print label, 100 * total / hz / span, rss / 1024 > "/dev/stderr"
        }' "$scratch/before" "$scratch/after"
}

echo "idle cost over $span s each, $(nproc) cores, $(date -u +%FT%TZ)"
"$build/bench/kirune_idle_floor" &
floor=$!
pids+=($floor)
sleep 3
sample floor "$floor" 2>>"$scratch/figures"
kill "$floor"

cp -r "$build/kirune" "$scratch/program"
"$scratch/program/kirune" >/dev/null 2>&1 &
game=$!
pids+=($game)
sleep "$settle"
sample title "$game" 2>>"$scratch/figures"
kill "$game"
wait "$game" 2>/dev/null
rm -f "$XDG_RUNTIME_DIR/kirune.lock"

# The play stage: the smoke test plays to the board and holds it while we sample.
bash "$here/tests/smoke/smoke.sh" --program "$scratch/program/kirune" --hold $((settle + span + 5)) \
    >"$scratch/smoke.log" 2>&1 &
smoke=$!
pids+=($smoke)
for _ in $(seq 240); do
    grep -q "holding the board" "$scratch/smoke.log" && break
    sleep 0.5
done
game=$(sed -n 's/.*holding the board.*pid \([0-9]*\).*/\1/p' "$scratch/smoke.log")
[ -n "$game" ] || { echo "idle-cost: the play stage was not reached"; cat "$scratch/smoke.log"; exit 1; }
sleep "$settle"
sample play "$game" 2>>"$scratch/figures"
wait "$smoke"

awk 'NR == 1 { fc = $2; fm = $3 } NR > 1 { printf "%-8s CPU %.1fx the floor, RSS %.1fx the floor\n", $1, $2 / fc, $3 / fm }' \
    "$scratch/figures"
