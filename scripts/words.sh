#!/usr/bin/env bash
# Rebuilds the word lists in assets/words/ from Debian's Japanese–English dictionaries (packages
# edict and kanjidic). Run by hand when the filters or the block list change; the lists are
# committed, so neither the build nor the game needs the dictionaries.
#
#   scripts/words.sh [BUILD-DIR]     BUILD-DIR holds kirune-vxl (default: build)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
tool=${1:-$root/build}/kirune/kirune-vxl
edict=/usr/share/edict/edict
kanjidic=/usr/share/edict/kanjidic
for file in "$edict" "$kanjidic"; do
    [ -r "$file" ] || { echo "words.sh: $file is missing: apt-get install edict kanjidic" >&2; exit 1; }
done
[ -x "$tool" ] || { echo "words.sh: build kirune-vxl first ($tool)" >&2; exit 1; }
for kind in kanji katakana english; do
    "$tool" words --edict "$edict" --kanjidic "$kanjidic" --block "$root/assets/words/block.txt" \
        --kind "$kind" -o "$root/assets/words/$kind.tsv"
    echo "assets/words/$kind.tsv: $(grep -vc '^#' "$root/assets/words/$kind.tsv") words"
done
