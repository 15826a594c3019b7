#!/usr/bin/env bash
# Builds the libFuzzer targets of the readers with clang in build-fuzz/ and runs each for a
# bounded time on a scratch copy of its seed corpus (tests/fuzz/corpus stays as it is). Fails on
# any crash, hang, leak or sanitizer report; the input that did it is kept in
# build-fuzz/crashes/. Usage: scripts/fuzz.sh [seconds-per-target]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-12}
build=$here/build-fuzz
targets=(PlayFile ScoreFile ProgressFile TalkData CastData RomaKana Ipuz)

"$here/scripts/setup.sh" --packages-only
if [ ! -f "$build/build.ninja" ]; then
  (cd "$here" && cmake --preset fuzz >/dev/null)
fi
cmake --build "$build" -- --quiet

# Scratch files on tmpfs when there is one: the score file reader flushes every write to disk.
tmp=${TMPDIR:-/tmp}
[ ! -w /dev/shm ] || tmp=/dev/shm
scratch=$(mktemp -d -p "$tmp")
trap 'rm -rf "$scratch"' EXIT
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 TMPDIR=$scratch
failed=0
for t in "${targets[@]}"; do
  cp -r "$here/tests/fuzz/corpus/$t" "$scratch/$t"
  mkdir -p "$scratch/artifacts"
  log=$scratch/$t.log
  dict=()
  [ ! -f "$here/tests/fuzz/$t.dict" ] || dict=(-dict="$here/tests/fuzz/$t.dict")
  if "$build/tests/fuzz/${t}Fuzz" "$scratch/$t" "${dict[@]}" -max_total_time="$seconds" -timeout=10 \
      -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$scratch/artifacts/$t-" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    cov=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -1 || true)
    echo "fuzz $t: $runs runs, $cov"
  else
    failed=1
    echo "fuzz $t: FAILED" >&2
    grep -v '^#\|^INFO\|^stat::' "$log" | tail -40 >&2
    mkdir -p "$build/crashes"
    cp "$scratch/artifacts/$t-"* "$build/crashes/" 2>/dev/null || true
  fi
done
[ "$failed" -eq 0 ] || { echo "fuzz: failing inputs are in $build/crashes/" >&2; exit 1; }
