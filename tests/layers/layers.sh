#!/usr/bin/env bash
# The folders of src/ form layers: a file includes only its own folder and the folders below
# it. Fails naming each include that points up.
#
#   layers.sh [SRC]           check (SRC defaults to the src/ beside this script's tests/)
#   layers.sh --graph [SRC]   print the folder graph: each folder and the folders it includes
set -euo pipefail

# Bottom first. The value types every layer shares sit in model; Wait sits with the host.
order=(host model library maker effect talk keypad author anim story scene ui app)

graph=0
if [ "${1:-}" = "--graph" ]; then
    graph=1
    shift
fi
src=${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../../src" && pwd)}

declare -A rank
for i in "${!order[@]}"; do rank[${order[$i]}]=$i; done

for dir in "$src"/*/; do
    folder=$(basename "$dir")
    [ -n "${rank[$folder]+set}" ] || { echo "layers: src/$folder has no place in the layer order" >&2; exit 1; }
done

if ((graph)); then
    for folder in "${order[@]}"; do
        [ -d "$src/$folder" ] || continue
        used=$(grep -ho '^#include "[a-z]*/' "$src/$folder"/* | sed 's/#include "//; s/\///' |
            sort -u | { grep -vx "$folder" || true; } | tr '\n' ' ')
        echo "$folder -> ${used:-(nothing)}"
    done
    exit 0
fi

bad=0
while IFS=: read -r file line text; do
    folder=${file#"$src"/}
    folder=${folder%%/*}
    target=$(sed 's/^#include "\([a-z]*\)\/.*/\1/' <<<"$text")
    [ -n "${rank[$target]+set}" ] || continue
    if ((rank[$target] > rank[$folder])); then
        echo "src/${file#"$src"/}:$line: $folder includes $target, a layer above it"
        bad=1
    fi
done < <(grep -rn '^#include "[a-z]*/' "$src" --include='*.h' --include='*.cpp')
if ((bad)); then
    echo "layers: the order, bottom first: ${order[*]}" >&2
    exit 1
fi
echo "layers: every include points down (${order[*]})"
