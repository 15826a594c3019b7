#!/usr/bin/env bash
# Kirune's fill against qxw's (Debian's crossword construction tool, `apt-get install qxw`) on
# the same 13x13 alphabet pattern and the same word list: the pattern is one that Kirune makes,
# written as a qxw deck; the list is assets/words/english.tsv, written as a qxw dictionary. Each
# fill is timed as a whole process (list reading included), the two taking turns; prints the
# median of each and their ratio. Both keep a word from appearing twice in the grid.
#
#   bench/qxw-compare.sh [BUILD_DIR] [RUNS] [SEED]     run by hand from the source tree after a build
#   QXW_LIMIT=SECONDS (60): how long one fill may run
set -euo pipefail

build=${1:-build}
runs=${2:-9}
seed=${3:-1}
limit=${QXW_LIMIT:-60}  # seconds that one fill may take
tool=$build/kirune/kirune-vxl
list=assets/words/english.tsv
qxw=$(command -v qxw || echo /usr/games/qxw)
[[ -x $tool ]] || { echo "no $tool: build kirune-vxl first" >&2; exit 2; }
[[ -x $qxw ]] || { echo "no qxw: apt-get install qxw" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The pattern of a stage Kirune makes from the list: its grid rows, # for black and . for white.
"$tool" generate --list "$list" --size 13x13 --seed "$seed" --level 7 -o "$work/made.vxl.txt"
sed -n '/^grid:/,/^across:/p' "$work/made.vxl.txt" | sed '1d;$d' |
    LC_ALL=C.UTF-8 sed 's/^ *//; s/■/#/g; s/[^#]/./g' >"$work/pattern.txt"

# The deck: a line per word of two or more cells, across then down, naming its cells; a cell
# shared by two words is one name in both.
awk '
    { row[NR - 1] = $0; width = length($0) }
    END {
        for (r = 0; r < NR; r++)
            for (c = 0; c <= width; c++)
                cell(r, c, substr(row[r], c + 1, 1))
        for (c = 0; c < width; c++)
            for (r = 0; r <= NR; r++)
                cell(r, c, r < NR ? substr(row[r], c + 1, 1) : "#")
    }
    function cell(r, c, ch) {
        if (ch == ".") {
            run = run " " sprintf("%03d", r * width + c)
            cells++
            return
        }
        if (cells >= 2)
            print substr(run, 2)
        run = ""
        cells = 0
    }' "$work/pattern.txt" >"$work/pattern.qxd"
# The dictionary: the list's answers, one a line.
grep -v '^#' "$list" | cut -f1 >"$work/english.dict"

echo "pattern (seed $seed), $(wc -l <"$work/pattern.qxd") words:"
sed 's/^/  /' "$work/pattern.txt"

# Whole-process wall time of a command in microseconds, or "-" when it ran past the limit; a
# fill that fails stops the comparison.
time_us() {
    local start end status=0
    start=$(date +%s%N)
    timeout "$limit" "$@" >/dev/null || status=$?
    end=$(date +%s%N)
    if ((status == 124)); then
        echo -
    elif ((status != 0)); then
        echo "failed ($status): $*" >&2
        exit 1
    else
        echo $(((end - start) / 1000))
    fi
}
kirune=("$tool" generate --list "$list" --pattern "$work/pattern.txt" --level 7 -o "$work/filled.vxl.txt")
qxw_fill=("$qxw" -b -d "$work/english.dict" "$work/pattern.qxd")
median() { sort -n "$1" | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# The first run of each warms the file cache and is not counted. qxw's search has no bound of
# its own: a first run past the limit leaves qxw out of the count.
: >"$work/kirune.us"
: >"$work/qxw.us"
time_us "${kirune[@]}" --seed 0 >/dev/null
qxw_fills=$([[ $(time_us "${qxw_fill[@]}") == - ]] && echo no || echo yes)
for ((i = 1; i <= runs; i++)); do
    time_us "${kirune[@]}" --seed "$i" >>"$work/kirune.us"
    [[ $qxw_fills == no ]] || time_us "${qxw_fill[@]}" >>"$work/qxw.us"
done
k=$(median "$work/kirune.us")
if [[ $qxw_fills == no ]]; then
    awk -v k="$k" -v n="$runs" -v limit="$limit" 'BEGIN {
        printf "kirune-vxl generate --pattern: median %.1f ms of %d runs (a new seed each)\n", k / 1000, n
        printf "qxw -b:                        no fill within %d s\n", limit
        printf "qxw / Kirune: more than %.0f\n", limit * 1e6 / k
    }'
    exit 0
fi
if grep -q -- - "$work/qxw.us"; then
    echo "qxw ran past $limit s in $(grep -c -- - "$work/qxw.us") of $runs runs, counted as $limit s"
    sed -i "s/^-\$/$((limit * 1000000))/" "$work/qxw.us"
fi
q=$(median "$work/qxw.us")
awk -v k="$k" -v q="$q" -v n="$runs" 'BEGIN {
    printf "kirune-vxl generate --pattern: median %.1f ms of %d runs (a new seed each)\n", k / 1000, n
    printf "qxw -b:                        median %.1f ms of %d runs\n", q / 1000, n
    printf "qxw / Kirune: %.2f\n", q / k
}'
