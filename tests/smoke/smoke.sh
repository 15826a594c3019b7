#!/usr/bin/env bash
# Plays the real program on a private X server as a player would: through the title to the file
# dialog, はじめての英単語.vxl, the partner menu, the name entry and the board; types a letter,
# checks the board by screenshot, ends the game with Alt+F4 and checks that the process ended
# and left nothing behind.
#
#   smoke.sh --copy-from PROGRAM_FOLDER   run a scratch copy of a built program folder (ctest)
#   smoke.sh --program COMMAND            run an installed game (e.g. /usr/bin/kirune)
#   options: --solve        solve stage 1 and accept the next stage before quitting
#            --speed-up     fill stage 1 with one wrong letter, check it and cut the sweep short
#                           with 高速採点: the wrong cell must show red on screen
#            --left-alone   touch nothing once the board is up: the game must end by itself
#                           (seven idle minutes and the farewell: about eight minutes)
#            --temp-folder  (with --copy-from) keep the score file out of the program folder, so
#                           that it goes to $TEMP; at the end Esc must not answer the question
#                           whether to keep it
#            --returning    expect a returning player: no name entry
#            --today        start with --today: today's crossword opens without the dialog
#            --open FILE    start on FILE (e.g. an .ipuz crossword): it opens without the dialog
#            --resume HOW   type half of stage 1, end the game HOW (kill: SIGKILL; alt-f4) and
#                           start it again: the board must come back as it was left (the shots
#                           progress-before and progress-after)
#            --hold SECONDS once the board is up, leave it alone that long (prints the game's
#                           pid first, for a measurement from outside)
#            --shots DIR    keep the screenshots there
#            --scale N      start the game with --scale N (1, 1.5, 2 …): coordinates scale with it
#
# Exit status: 0 passed, 1 failed, 77 skipped (no X server can start here).
set -uo pipefail

copy_from="" program="" solve=0 speed_up=0 left_alone=0 temp_folder=0 returning=0 today=0 open="" hold=0 shots="" scale=1
resume=""
while (($#)); do
    case $1 in
    --copy-from) copy_from=$2; shift ;;
    --program) program=$2; shift ;;
    --solve) solve=1 ;;
    --speed-up) speed_up=1 ;;
    --left-alone) left_alone=1 ;;
    --temp-folder) temp_folder=1 ;;
    --returning) returning=1 ;;
    --today) today=1 ;;
    --open) open=$2; shift ;;
    --hold) hold=$2; shift ;;
    --resume) resume=$2; shift ;;
    --shots) shots=$2; shift ;;
    --scale) scale=$2; shift ;;
    *) echo "smoke: unknown option $1" >&2; exit 2 ;;
    esac
    shift
done

for tool in Xvfb xdotool import convert; do
    if ! command -v "$tool" >/dev/null; then
        echo "smoke: SKIPPED: $tool is not installed, so no X server can be driven here"
        exit 77
    fi
done

scratch=$(mktemp -d)
xvfb_pid="" game_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill -9 "$game_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT
fail() {
    echo "smoke: FAILED: $*" >&2
    [ -f "$scratch/shot.png" ] && [ -n "$shots" ] && cp "$scratch/shot.png" "$shots/failed.png"
    [ -f "$scratch/game.err" ] && sed 's/^/  game: /' "$scratch/game.err" >&2
    exit 1
}
step() { echo "smoke: $(date +%T) $*"; }

# A private display; the first free number from 90 up.
for display in $(seq 90 120); do
    [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ] || break
done
# Window coordinates times the scale, which is kept in tenths for the shell's whole numbers.
tenths=$(awk -v s="$scale" 'BEGIN { printf "%d", s * 10 + 0.5 }')
scaled() { echo $(($1 * tenths / 10)); }
Xvfb ":$display" -screen 0 "$(scaled 1280)x$(scaled 900)x24" -nolisten tcp >"$scratch/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X$display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
done
if ! kill -0 "$xvfb_pid" 2>/dev/null || [ ! -e "/tmp/.X11-unix/X$display" ]; then
    echo "smoke: SKIPPED: Xvfb could not start: $(head -c 300 "$scratch/xvfb.log")"
    xvfb_pid=""
    exit 77
fi
export DISPLAY=":$display" SDL_AUDIODRIVER=dummy
# xdotool types the Japanese file name and player name only in a UTF-8 locale.
[ "$(locale charmap 2>/dev/null)" = UTF-8 ] || export LC_ALL=C.UTF-8
unset QT_QPA_PLATFORM

# A scratch copy of the program folder, so the score file and reports land there.
if [ -n "$copy_from" ]; then
    cp -r "$copy_from" "$scratch/program"
    rm -f "$scratch/program"/*.log "$scratch/program"/*.progress* "$scratch/program/Report.txt"
    program="$scratch/program/kirune"
    if ((temp_folder)); then
        # A folder where the score file would go: it cannot be made there, even by root.
        mkdir "$scratch/program/はじめての英単語.log"
        export TEMP="$scratch/temp"
        mkdir "$TEMP"
    fi
    (cd "$scratch/program" && find . | sort) >"$scratch/before.txt"
    export HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/runtime"
    mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
fi
[ -n "$program" ] || { echo "smoke: give --copy-from or --program" >&2; exit 2; }
[ -n "$shots" ] && mkdir -p "$shots"

args=()
((today)) && args=(--today)
[ -n "$open" ] && args=("$open")
((tenths != 10)) && args+=(--scale "$scale")
# Started on a file of its own, the game makes its play file and score file in the state folder.
made=$((today || ${#open}))
# Letters typed and left on the board are kept in a progress file beside the score file.
keeps_board=$((!returning && !made && !solve))
# Starts the game and finds its main window, whose pixels the checks below address in window
# coordinates.
launch() {
    "$program" "${args[@]}" >>"$scratch/game.out" 2>>"$scratch/game.err" &
    game_pid=$!
    started=$SECONDS
    window=""
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --name '^Kirune$' 2>/dev/null | head -1)
        [ -n "$window" ] && break
        kill -0 "$game_pid" 2>/dev/null || fail "the game ended before its window showed"
        sleep 0.2
    done
    [ -n "$window" ] || fail "no window named Kirune within 20 s"
    eval "$(xdotool getwindowgeometry --shell "$window")"
    wx=$X wy=$Y
    step "window $WIDTH x $HEIGHT at $wx,$wy"
}
launch

shoot() { import -window root "$scratch/shot.png" 2>/dev/null; }
keep() { [ -n "$shots" ] && cp "$scratch/shot.png" "$shots/$1.png"; }
# "R G B" of a window pixel in the last screenshot.
pixel() {
    convert "$scratch/shot.png" -crop "1x1+$((wx + $(scaled $1)))+$((wy + $(scaled $2)))" -format '%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]' info:
}
click() { xdotool mousemove $((wx + $(scaled $1))) $((wy + $(scaled $2))) sleep 0.3 click 1; }
# The fraction of a window rectangle darker than 30 % grey: printed text.
ink() {
    convert "$scratch/shot.png" -crop "$(scaled $3)x$(scaled $4)+$((wx + $(scaled $1)))+$((wy + $(scaled $2)))" -colorspace gray -threshold 30% \
        -format '%[fx:int(1000*(1-mean))]' info:
}
# A talk box in its own saturated colour (narrator green, navigator cyan, partner orange).
talk_box_shown() {
    read -r r g b <<<"$(pixel 600 150)"
    local hi=$((r > g ? (r > b ? r : b) : (g > b ? g : b))) lo=$((r < g ? (r < b ? r : b) : (g < b ? g : b)))
    ((hi - lo > 150))
}
menu_shown() { read -r r g b <<<"$(pixel 745 150)"; ((r > 150 && g < 60 && b > 150)); }
# The input line: a white rule under the last line of the box (near white at a fractional scale,
# where the rule's one pixel straddles two screen pixels).
input_shown() {
    local x r g b
    for x in 440 500 560 600; do
        read -r r g b <<<"$(pixel $x 213)"
        ((r >= 230 && g >= 230 && b >= 230)) || return 1
    done
}
# The clock panel of the play screen.
playing() { read -r r g b <<<"$(pixel 650 100)"; ((b > r + 15 && r < 160)); }
# Another window than the main one and the kana keypad (which shares the main window's name).
other_window() {
    xdotool search --onlyvisible --name . 2>/dev/null | while read -r w; do
        [ "$w" != "$window" ] && [ "$(xdotool getwindowname "$w")" != Kirune ] && echo "$w"
    done | head -1
}

# Answers whatever the game waits for until the board is up with no talk running, after at
# least $2 menus. $1: the deadline in seconds from the start.
play_until_board() {
    local deadline=$1 menus_wanted=${2:-0} menus=0 quiet=0 named=0
    while ((SECONDS - started < deadline)); do
        kill -0 "$game_pid" 2>/dev/null || fail "the game ended on its own"
        local other
        other=$(other_window)
        if [ -n "$other" ]; then
            local name
            name=$(xdotool getwindowname "$other")
            if [ "$name" = "開く" ] && ((made)); then
                fail "the file dialog opened instead of the file the game was started on"
            elif [ "$name" = "開く" ]; then
                # Kana are typed through a keymap entry xdotool rebinds for each one: slowly, so
                # that a loaded machine still reads each key before the next rebinding.
                step "file dialog: はじめての英単語.vxl"
                sleep 0.5
                xdotool windowfocus --sync "$other" key ctrl+a BackSpace
                xdotool type --delay 150 "はじめての英単語.vxl"
                sleep 0.3
                xdotool key Return
            else
                step "report box \"$name\": default button"
                xdotool windowfocus --sync "$other" key Return
            fi
            sleep 1
            continue
        fi
        shoot
        if menu_shown; then
            step "menu: first item"
            keep "menu-$SECONDS"
            click 688 152
            ((++menus))
            sleep 1
        elif ((!named)) && input_shown; then
            ((returning)) && fail "a returning player was asked for a name"
            named=1
            step "name entry: ケン"
            keep name-entry
            xdotool type --delay 150 "ケン"
            xdotool key Return
            sleep 1
        elif talk_box_shown; then
            quiet=0
            # The greeting of a game that took up a board mentions it.
            [ -n "$resume" ] && ((returning)) && keep "greeting-$SECONDS"
            click 600 150
            sleep 0.7
        elif playing; then
            ((++quiet >= 3 && menus >= menus_wanted)) && return 0
            sleep 0.5
        else
            sleep 0.5
        fi
    done
    fail "the board was not ready within $deadline s"
}

# Sends keys to the main window's key preview.
keys() { xdotool windowfocus --sync "$window" type --delay 120 "$1"; }

play_until_board 120 $((returning ? 1 : 2))
step "board reached after $((SECONDS - started)) s"

# The first cell of stage 1 starts empty; a typed C must show in it. A returning player may be
# on another stage, and today's crossword is a kana one: there the screenshot is only kept.
if ((returning || made)); then
    shoot
    keep board
else
    shoot
    before=$(ink 238 184 28 26)
    keys C
    sleep 1.5
    shoot
    keep board
    after=$(ink 238 184 28 26)
    step "ink in the first cell: $before before, $after after the letter (per mille)"
    ((after > before + 20)) || fail "the typed letter did not appear in the first cell"
    read -r r g b <<<"$(pixel 250 230)"
    [ "$r $g $b" = "192 255 255" ] || fail "the board's word cells are not shown (pixel $r $g $b)"
fi

# Types letters, then the keys $2 (if any). Each letter lands with its own little animation, and
# an arrow acts at once: let the letters land first.
word() {
    keys "$1"
    sleep $((1 + ${#1}))
    [ -n "${2-}" ] && xdotool key --delay 300 $2
    sleep 0.5
}
# Stage 1 of はじめての英単語: across words one after another with Down, then Space turns at
# the first cell onto the down words, taken with Right. $1: the last word typed.
fill_stage_1() {
    word AMP Down
    word APPLE Down
    word NEST "Down space"
    word COAT Right
    word MAPLE Right
    word "$1"
    sleep 1
}
# The fraction (per mille) of a window rectangle in a colour near the given "R G B".
colour_share() {
    convert "$scratch/shot.png" -crop "$(scaled $3)x$(scaled $4)+$((wx + $(scaled $1)))+$((wy + $(scaled $2)))" \
        -fx "abs(r-$5/255)<0.1 && abs(g-$6/255)<0.1 && abs(b-$7/255)<0.1" -format '%[fx:int(1000*mean)]' info:
}

# Alt+F4, and whatever the game asks on its way out answered by its default button; Esc must not
# answer the question whether to keep a score file in the temporary folder.
end_with_alt_f4() {
    step "Alt+F4"
    xdotool windowfocus --sync "$window" key alt+F4
    for _ in $(seq 100); do
        kill -0 "$game_pid" 2>/dev/null || break
        other=$(other_window)
        if [ -n "$other" ]; then
            name=$(xdotool getwindowname "$other")
            if [ "$name" = "選択：個人成績ファイルの処理" ] && [ -z "${escaped-}" ]; then
                step "report box \"$name\": Esc"
                xdotool windowfocus --sync "$other" key Escape
                sleep 1
                shoot
                keep question-after-esc
                [ "$(other_window)" = "$other" ] || fail "Esc answered the question"
                escaped=1
            fi
            step "report box \"$name\": default button"
            xdotool windowfocus --sync "$other" key Return
            sleep 0.5
        fi
        sleep 0.2
    done
    kill -0 "$game_pid" 2>/dev/null && fail "the game still runs 20 s after Alt+F4"
    ((temp_folder)) && [ -z "${escaped-}" ] && fail "no question whether to keep the score file"
}

# The board area of the window in the last screenshot, as a picture of its own.
crop_board() {
    convert "$scratch/shot.png" -crop "$(scaled 385)x$(scaled 330)+$((wx + $(scaled 129)))+$((wy + $(scaled 98)))" +repage "$1"
}

if [ -n "$resume" ]; then
    word AP Down
    word APPLE Down
    word NE
    # The progress file is written at most once a second.
    sleep 2
    shoot
    keep progress-before
    crop_board "$scratch/board-before.png"
    case $resume in
    kill) step "kill -9"; kill -9 "$game_pid" ;;
    alt-f4) end_with_alt_f4 ;;
    *) fail "--resume takes kill or alt-f4, not $resume" ;;
    esac
    wait "$game_pid"
    ended=$?
    game_pid=""
    [ "$resume" = kill ] || ((ended == 0)) || fail "the game ended with status $ended"
    [ -z "$copy_from" ] || [ -f "$scratch/program/はじめての英単語.progress" ] || fail "no progress file was left"
    step "starting again"
    returning=1
    launch
    play_until_board 120 1
    shoot
    keep progress-after
    crop_board "$scratch/board-after.png"
    differing=$(compare -metric AE -fuzz 10% "$scratch/board-before.png" "$scratch/board-after.png" null: 2>&1 | awk '{ printf "%d", $1 }')
    step "the board after the restart: $differing pixels differ from the board left"
    # The cursor blinks: its cell may be caught in the other colour.
    ((differing < $(scaled 35) * $(scaled 33) * 3 / 2)) || fail "the board did not come back as it was left"
    (($(ink 238 184 28 26) > before + 20)) || fail "the first cell came back empty"
fi

if ((hold)); then
    step "holding the board for $hold s: pid $game_pid"
    sleep "$hold"
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended while held"
fi

if ((speed_up)); then
    fill_stage_1 TESX
    step "checking a board with one wrong letter"
    click 693 514
    cut=0
    while ((SECONDS - started < 300 && !cut)); do
        kill -0 "$game_pid" 2>/dev/null || fail "the game ended on its own"
        shoot
        if (($(colour_share 655 505 78 25 255 0 255) > 0)); then
            step "高速採点"
            click 693 514
            sleep 0.6
            shoot
            keep speed-up
            red=$(colour_share 129 98 385 330 255 0 0)
            step "red on the board: $red per mille"
            ((red > 0)) || fail "no red cell on the board after 高速採点"
            cut=1
        elif menu_shown; then
            click 688 152
            sleep 0.5
        elif talk_box_shown; then
            click 600 150
            sleep 0.5
        else
            sleep 0.2
        fi
    done
    ((cut)) || fail "高速採点 never showed"
    play_until_board 120 0
fi

if ((solve)); then
    fill_stage_1 TEST
    shoot
    keep solved-board
    step "checking the board"
    click 693 514
    sleep 1
    play_until_board 240 2
    shoot
    keep next-stage
fi

if ((left_alone)); then
    left_at=$SECONDS
    step "leaving the game alone"
    while kill -0 "$game_pid" 2>/dev/null; do
        ((SECONDS - left_at > 720)) && fail "the game still runs 12 minutes after the last key"
        # The farewell: the partner's last words, then the closing report.
        if ((SECONDS - left_at > 400 && (SECONDS - left_at) % 10 == 0)); then
            shoot
            keep "left-alone-$((SECONDS - left_at))"
        fi
        sleep 1
    done
    step "the game ended by itself $((SECONDS - left_at)) s after the last key"
else
    end_with_alt_f4
fi
wait "$game_pid"
status=$?
game_pid=""
((status == 0)) || fail "the game ended with status $status"
step "the game ended after $((SECONDS - started)) s"

# Nothing left behind: no process, no lock, no scratch file; only the score file is new.
if [ -n "$copy_from" ]; then
    for proc in /proc/[0-9]*; do
        [ "$(readlink "$proc/exe" 2>/dev/null)" = "$scratch/program/kirune" ] && fail "a game process is still running"
    done
    [ -e "$XDG_RUNTIME_DIR/kirune.lock" ] && fail "the single-instance lock was left behind"
    (cd "$scratch/program" && find . | sort) >"$scratch/after.txt"
    added=$(comm -13 "$scratch/before.txt" "$scratch/after.txt")
    removed=$(comm -23 "$scratch/before.txt" "$scratch/after.txt")
    [ -z "$removed" ] || fail "files disappeared from the program folder: $removed"
    expected="./はじめての英単語.log"
    ((keeps_board)) && expected+=$'\n'"./はじめての英単語.progress"
    ((temp_folder || made)) && expected=""
    [ "$added" = "$expected" ] || fail "the program folder gained: ${added:-nothing}"
    log="$scratch/program/はじめての英単語.log"
    ((temp_folder)) && log="$TEMP/はじめての英単語.log"
    # Today's crossword and its score file live in the player's state folder.
    ((today)) && log=$(find "$HOME/.local/state/kirune" -name '今日のクロスワード *.log' | head -1)
    [ -n "$open" ] && log="$HOME/.local/state/kirune/$(basename "${open%.*}").log"
    [ -f "$log" ] || fail "the score file is gone"
    name=$(sed -n 3p "$log" | iconv -f CP932 -t UTF-8 | tr -d '\r')
    [ "$name" = "ケン" ] || fail "the score file holds the name \"$name\""
    step "score file: $(iconv -f CP932 -t UTF-8 "$log" | tr -d '\r' | tail -2 | tr '\n' ' ')"
fi
step "passed in $((SECONDS - started)) s"
