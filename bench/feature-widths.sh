#!/usr/bin/env bash
# Widths of the features a screenshot's scanline crosses, to see whether a scale draws equal
# features equally wide.
#
#   feature-widths.sh SHOT X Y LENGTH --lines RRGGBB   runs of exactly that colour (grid lines)
#   feature-widths.sh SHOT X Y LENGTH --light          light features on a darker ground (fence
#                                                      posts): runs lighter than halfway between
#                                                      the scanline's darkest and lightest pixel
#
# Prints one width per feature, left to right, then how many times each width occurs.
set -euo pipefail
shot=$1 x=$2 y=$3 length=$4 mode=$5 colour=${6:-}
convert "$shot" -crop "${length}x1+$x+$y" +repage -depth 8 txt:- | awk -v mode="$mode" -v colour="${colour^^}" '
    NR > 1 {
        hex = substr($3, 2, 6)
        split($2, rgb, /[(),]/)
        r = rgb[2]; g = rgb[3]; b = rgb[4]
        n++
        exact[n] = (hex == colour)
        m = r < g ? (r < b ? r : b) : (g < b ? g : b)  # white has a high least channel, grass a low one
        least[n] = m
        if (n == 1 || m < lo) lo = m
        if (n == 1 || m > hi) hi = m
    }
    END {
        run = 0
        for (i = 1; i <= n + 1; i++) {
            if (mode == "--lines") {
                on = i <= n && exact[i]
                if (on) run++
                else if (run > 0) { widths[++k] = run; run = 0 }
            } else {
                on = i <= n && least[i] > (lo + hi) / 2
                if (on) run++
                else if (run > 0) { widths[++k] = run; run = 0 }
            }
        }
        for (j = 1; j <= k; j++) { printf "%s ", widths[j]; count[widths[j]]++ }
        print ""
        for (w in count) printf "  %s px: %d\n", w, count[w]
    }'
