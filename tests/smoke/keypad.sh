#!/usr/bin/env bash
# Plays the real program up to the board of a kana stage (はじめてのカタカナ.vxl) and puts the
# keypad through its paces: it must show over the window's top panel, follow a drag by +200,+150
# screen pixels, and stay above the game's window after a click on a talk box. On X11 the game
# runs in a private Xvfb with no window manager; with --wayland it runs natively on Wayland in
# weston, nested in the Xvfb so that xdotool drives real input through it. Run by hand (weston is
# not a build dependency):
#
#   tests/smoke/keypad.sh PROGRAM_FOLDER [--wayland] [--scale N] [--shots DIR]
#
# Exit status: 0 passed, 1 failed, 77 skipped (no Xvfb, or no weston with --wayland).
set -uo pipefail
program_folder=$(cd "$1" && pwd)
shift
wayland=0 scale=1 shots=""
while (($#)); do
    case $1 in
    --wayland) wayland=1 ;;
    --scale) scale=$2; shift ;;
    --shots) shots=$2; shift ;;
    *) echo "keypad: unknown option $1" >&2; exit 2 ;;
    esac
    shift
done
command -v Xvfb >/dev/null || { echo "keypad: SKIPPED: needs Xvfb"; exit 77; }
((wayland)) && ! command -v weston >/dev/null && { echo "keypad: SKIPPED: needs weston"; exit 77; }
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
scratch=$(mktemp -d)
# Window coordinates times the scale, which is kept in tenths for the shell's whole numbers.
tenths=$(awk -v s="$scale" 'BEGIN { printf "%d", s * 10 + 0.5 }')
scaled() { echo $(($1 * tenths / 10)); }
. "$here/../../bench/private-display.sh"
start_private_display "$(scaled 1600)x$(scaled 1000)"
runtime="$scratch/runtime"
mkdir -m700 "$runtime"
export XDG_RUNTIME_DIR=$runtime HOME=$scratch/home SDL_AUDIODRIVER=dummy
mkdir -p "$HOME"
weston_pid=""
if ((wayland)); then
    weston --backend=x11-backend.so --width="$(scaled 1500)" --height="$(scaled 950)" --socket=wayland-kirune \
        --idle-time=0 >"$scratch/weston.log" 2>&1 &
    weston_pid=$!
fi
cp -r "$program_folder" "$scratch/program"
rm -f "$scratch/program"/*.log
game_pid=""
finish() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
    kill $weston_pid "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$scratch"
}
trap finish EXIT
fail() {
    echo "keypad: FAILED: $*"
    [ -n "$shots" ] && cp "$shot" "$shots/failed.png"
    exit 1
}
step() { echo "keypad: $(date +%T) $*"; }
[ -n "$shots" ] && mkdir -p "$shots"

args=("$scratch/program/はじめてのカタカナ.vxl")
((tenths != 10)) && args+=(--scale "$scale")
if ((wayland)); then
    for _ in $(seq 50); do [ -e "$runtime/wayland-kirune" ] && break; sleep 0.1; done
    [ -e "$runtime/wayland-kirune" ] || fail "weston did not start: $(tail -3 "$scratch/weston.log")"
    WAYLAND_DISPLAY=wayland-kirune QT_QPA_PLATFORM=wayland "$scratch/program/kirune" "${args[@]}" \
        >"$scratch/game.out" 2>"$scratch/game.err" &
else
    QT_QPA_PLATFORM=xcb "$scratch/program/kirune" "${args[@]}" >"$scratch/game.out" 2>"$scratch/game.err" &
fi
game_pid=$!

shot="$scratch/shot.png"
shoot() { import -window root "$shot" 2>/dev/null; }
keep() { [ -n "$shots" ] && cp "$shot" "$shots/$1.png"; }
# The first screen pixel, row by row, of an exact colour: "X Y", or nothing.
find_colour() { convert "$shot" txt:- | grep -m1 " $1 " | sed 's/:.*//; s/,/ /'; }
# A compositor draws its pointer into the screenshots: it waits in a corner between actions.
park() { xdotool mousemove "$(scaled 1490)" "$(scaled 940)"; }
# "R G B" of a window pixel (window coordinates at scale 1) in the last screenshot.
pixel() {
    convert "$shot" -crop "1x1+$((ox + $(scaled $1)))+$((oy + $(scaled $2)))" \
        -format '%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]' info:
}
# weston takes a click only after the pointer has moved onto the spot.
click() {
    local x=$((ox + $(scaled $1))) y=$((oy + $(scaled $2)))
    xdotool mousemove $((x + 3)) $((y + 3)) sleep 0.1 mousemove $x $y sleep 0.2 click 1
    park
}
talk_box_shown() {
    read -r r g b <<<"$(pixel 600 150)"
    local hi=$((r > g ? (r > b ? r : b) : (g > b ? g : b))) lo=$((r < g ? (r < b ? r : b) : (g < b ? g : b)))
    ((hi - lo > 150))
}
menu_shown() { read -r r g b <<<"$(pixel 745 150)"; ((r > 150 && g < 60 && b > 150)); }
input_shown() {
    local x r g b
    for x in 440 500 560 600; do
        read -r r g b <<<"$(pixel $x 213)"
        ((r >= 230 && g >= 230 && b >= 230)) || return 1
    done
}
playing() { read -r r g b <<<"$(pixel 650 100)"; ((b > r + 15 && r < 160)); }
# The keypad's top left relative to the window in screen pixels, found by its close button's
# flat colour.
keypad_at() {
    local x y
    read -r x y <<<"$(find_colour '#F0E0D0')"
    [ -n "$x" ] && echo "$((x - ox - $(scaled 230))) $((y - oy - $(scaled 6)))"
}

# The window's top left: the first pixel of its background's top band.
park
for _ in $(seq 40); do
    sleep 0.5
    shoot
    read -r ox oy <<<"$(find_colour '#FFC686')"
    [ -n "$ox" ] && break
done
[ -n "$ox" ] || fail "the game's window did not show"
step "window at $ox,$oy"

named=0 quiet=0 menus=0 board=0
for _ in $(seq 160); do
    shoot
    if menu_shown; then
        click 688 152
        ((++menus))
        sleep 1
    elif ((!named)) && input_shown; then
        named=1
        xdotool type --delay 150 "ken"
        xdotool key Return
        sleep 1
    elif talk_box_shown; then
        quiet=0
        click 600 150
        sleep 0.7
    elif playing; then
        ((++quiet >= 3 && menus >= 2)) && { board=1; break; }
        sleep 0.5
    else
        sleep 0.5
    fi
done
((board)) || fail "the board was not ready"

read -r kx ky <<<"$(keypad_at)"
[ -n "$kx" ] || fail "no keypad on the board of a kana stage"
step "keypad at $kx,$ky of the window"
keep keypad-shown
[ "$kx $ky" = "$(scaled 375) $(scaled 12)" ] || fail "the keypad opened at $kx,$ky, not over the top panel"

# Dragged by its caption row, right of the words, in small steps as a hand would.
xdotool mousemove $((ox + kx + $(scaled 200))) $((oy + ky + $(scaled 8))) sleep 0.3 mousedown 1
for _ in $(seq 10); do
    xdotool mousemove_relative -- 20 15
    sleep 0.05
done
sleep 0.3
xdotool mouseup 1
park
sleep 1
shoot
read -r dx dy <<<"$(keypad_at)"
[ -n "$dx" ] || fail "the keypad vanished on the drag"
step "dragged to $dx,$dy: moved by $((dx - kx)),$((dy - ky))"
keep keypad-dragged
((dx - kx == 200 && dy - ky == 150)) || fail "the keypad did not follow the drag by +200,+150"

# A hint makes the partner talk; a click on the box goes on. The keypad stays on top.
# The partner's box is looked for and clicked left of and below the dragged keypad.
partner_box_shown() {
    read -r r g b <<<"$(pixel 560 200)"
    ((r > 200 && g > 80 && g < 180 && b < 60))
}
click 580 320
for _ in $(seq 20); do
    sleep 0.5
    shoot
    partner_box_shown && break
done
partner_box_shown || fail "no talk box after asking for a hint"
click 560 200
sleep 1
shoot
keep keypad-after-talk-click
read -r cx cy <<<"$(keypad_at)"
[ "$cx $cy" = "$dx $dy" ] || fail "after a click on a talk box the keypad is hidden (found at '$cx $cy')"
step "after a click on a talk box the keypad is still on top at $cx,$cy"
[ -s "$scratch/game.err" ] && fail "the game wrote to stderr: $(head -3 "$scratch/game.err")"
echo "keypad: passed"
