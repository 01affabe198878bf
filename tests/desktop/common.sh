# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Sourced by the desktop tests: each starts the real components a player's
# desktop brings (display, window manager, buses, servers) through
# scripts/desktop-session.sh, drives the real game against them and stops
# all of it by process id when it exits. Here is what the tests share
# besides: their checks, keys, drags and the game under test.
set -euo pipefail

desktop_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
source "$desktop_root/scripts/desktop-session.sh"
# The game under test; CTest passes the one it built.
kwintor_binary=$(realpath -m "${KWINTOR_BINARY:-$desktop_root/build/debug/game/kwintor}")

# Runs one check of many and says how it went; the test goes on either way.
failures=0
check() {
    local what=$1
    shift
    if "$@"; then
        echo "PASS: $what"
    else
        echo "FAIL: $what"
        failures=$((failures + 1))
    fi
}

fail_if_any_check_failed() {
    (( failures == 0 )) || fail "$failures check(s) failed"
}

# The keycode that types KEYSYM at its first level, in the display's own
# keymap. Named by its keysym, a key goes with the modifiers that its type
# maps to that level, and newer keymaps map Alt there for the function and
# keypad keys ("map[Alt]= Level1"): `xdotool key F2` sends Alt+F2. Named
# by its keycode, it goes alone.
key_code() {
    # awk reads on to the end: leaving early would break xmodmap's pipe.
    xmodmap -pke | awk -v keysym="$1" '!found && $4 == keysym {print $2; found = 1} END {exit !found}'
}

# Presses the left button at FROM_X FROM_Y and lets go at TO_X TO_Y, as a
# player drags: a first step away starts the drag.
drag_and_drop() {
    xdotool mousemove "$1" "$2" mousedown 1 sleep 0.1 mousemove $(($1 + 10)) $(($2 - 10)) sleep 0.1 \
        mousemove "$3" "$4" sleep 0.1 mouseup 1
}

# The player's own factor of 1 keeps the board at its design size, where a
# test's pixel positions lie; the others find their places at the zoom.
# shellcheck disable=SC2034 # used by the tests that source this
at_design_size=QT_SCALE_FACTOR=1

# Where the maximised board stands at the design size, found in a picture
# of the screen: centred, its top line and, 3 pixels in, its left box are
# the first pixels drawn below the menu.
board_left=0
board_top=0
board_drawn() {
    local width
    import -window root "$scratch/board.png" 2>/dev/null || return 1
    read -r width board_left board_top <<<"$(convert "$scratch/board.png" -crop +0+60 +repage -trim -format '%w %X %Y' info:)"
    (( width == 636 ))
}

find_board() {
    wait_until board_drawn || fail "the board was not drawn whole: $(cat "$scratch/game.log")"
    board_left=$((board_left - 3))
    board_top=$((board_top + 60))
}

# The screen's pixel for the board's own X Y, once find_board has run.
on_board() { echo "$((board_left + $1)) $((board_top + $2))"; }

# Where a window lies on the screen, frame left out, as "left top width height".
bounds() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
        /Width:/ {w = $2} /Height:/ {h = $2} END {print x, y, w, h}'
}

# Whether WINDOW is viewable and stacked above OTHER.
viewable_above() {
    local stacking
    stacking="$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/^[^#]*#//'),"
    xwininfo -id "$1" | grep -q 'Map State: IsViewable' &&
        [[ $stacking == *" $(printf '0x%x' "$2"),"*" $(printf '0x%x' "$1"),"* ]]
}

# weston in a WIDTH×HEIGHT window of the X display, on the socket "kwintor",
# once it shows: it fades in from black when its panel is up, and a window
# maximised before that takes the panel's rows too.
start_weston() {
    local width=$1 height=$2
    start_logged weston weston --backend=x11-backend.so --use-pixman \
        --width="$width" --height="$height" --socket=kwintor
    wait_until test -S "$XDG_RUNTIME_DIR/kwintor" || fail "weston did not start: $(cat "$scratch/weston.log")"
    wait_until weston_shows "$width" "$height" || fail "weston showed nothing: $(cat "$scratch/weston.log")"
}
weston_shows() {
    import -window root "$scratch/weston.png"
    [[ $(convert "$scratch/weston.png" -format "%[hex:p{$(($1 / 2)),$(($2 / 2))}]" info:) != 000000 ]]
}

# What the tests that see the screen through the desktop's own screenshots
# share; each defines picture(), which takes one into $scratch/screen.png,
# and sets left and top to the board window's corner.

# The colour of one pixel of the last picture, as #RRGGBB.
pixel() { convert "$scratch/screen.png" -crop "1x1+$1+$2" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -n 1; }

# The active caption runs from dark red to blue, the inactive one is grey:
# near its left end it is red.
# shellcheck disable=SC2154 # left and top: set by the test
caption_active() {
    local colour
    colour=$(pixel "$((left + 300))" "$((top + 6))")
    (( 16#${colour:1:2} > 16#${colour:3:2} + 40 ))
}
caption_inactive() { ! caption_active; }
# Focus may come a moment after the window: asked of fresh pictures.
becomes_active() { picture && caption_active; }
soon() { timeout_seconds=5 wait_until "$@"; }

# At zoom 2 the board's 640 x 442 design stands centred in the maximised
# window (width by height) below its caption and menu, 34 logical pixels
# together.
board_x() { echo $((left + (width - 1280) / 2 + 2 * $1)); }
board_y() { echo $((top + 68 + (height - 68 - 884) / 2 + 2 * $1)); }
# The player's points as drawn, to tell a drop that solved the round (the
# next round's slots are empty) from one that did not land in the slot at
# slot_x slot_y (the first one's middle).
points_drawn() { convert "$scratch/screen.png" -crop "80x60+$(board_x 277)+$(board_y 228)" +repage -format '%#' info:; }
# shellcheck disable=SC2154 # set by the test
landed() { [[ $(pixel "$slot_x" "$slot_y") == '#FF0000' || $(points_drawn) != "$points_before" ]]; }

# light_bands X Y LENGTH down|across: the runs of light pixels (red above
# 208) along the strip of the last picture from X Y, one "first last" line
# each, in rows or columns of the screen.
light_bands() {
    local size=${3}x1 down=0
    [[ $4 == down ]] && size=1x$3 down=1
    convert "$scratch/screen.png" -crop "$size+$1+$2" +repage -depth 8 txt:- | awk -v x="$1" -v y="$2" -v down="$down" '
        /^[0-9]/ { split($1, place, ","); at = down ? y + place[2] : x + place[1]; sub(/^[^(]*\(/, "")
                   light = $0 + 0 > 208
                   if (light && first == "") first = at
                   if (!light && first != "") { print first, at - 1; first = "" } }
        END { if (first != "") print first, at }'
}

# title_bar_rows X Y: the first and last row of the first light band in
# column X, from 80 rows above Y to 160 below; nothing if there is none.
title_bar_rows() { light_bands "$1" "$(($2 - 80))" 240 down | head -n 1; }

# changed_region BEFORE AFTER: "left top width height" of what differs
# below the board's caption and menu, where its boxes and windows stand,
# but for the clock, which goes on, and for thin lines such as a slot's
# focus frame; a window with its shadow is a solid block.
changed_region() {
    local below=$((top + 80))
    convert "$1" "$2" -compose difference -composite \
        -fill black -draw "rectangle $(board_x 360),$(board_y 200) $(board_x 472),$(board_y 264)" \
        -crop "+0+$below" +repage -threshold 1% -morphology Erode Square:3 -trim -format '%X %Y %w %h' info: 2>/dev/null |
        awk -v below="$below" '{print $1 + 0, $2 + below, $3, $4}'
}

# A window of the game's, found by what it changed on the board since
# remember_board; a change of less than 200 pixels across is none.
remember_board() { picture && cp "$scratch/screen.png" "$scratch/board.png"; }
window_region() {
    read -r box_left box_top box_width _ <<<"$(changed_region "$scratch/board.png" "$scratch/screen.png")"
    (( box_width > 200 ))
}
window_shown() { picture && window_region; }
window_gone() { picture && ! window_region; }
# The found window's top rows are its own active caption, red at a quarter
# across, under no title bar of the desktop's or of Qt's.
own_caption_on_top() {
    local colour
    colour=$(pixel "$((box_left + box_width / 4))" "$((box_top + 6))")
    (( 16#${colour:1:2} > 16#${colour:3:2} + 40 ))
}

# Opcje → Dźwięk by the keyboard, in the game's window with the focus:
# switches its sound off or on.
switch_sound() { xdotool key alt+g Right Down Down Return; }

# Starts the game on the X display in a working folder seeded with its data
# files; the arguments are NAME=value settings of its environment.
start_game() {
    local folder="$scratch/game"
    "$desktop_root/scripts/seed-run-dir.sh" "$folder"
    start_logged game env -C "$folder" QT_QPA_PLATFORM=xcb "$@" "$kwintor_binary"
    game_pid=$last_pid
}

# The game's main window, once it is shown.
game_window() {
    timeout "$timeout_seconds" xdotool search --sync --all --onlyvisible --pid "$game_pid" --name '^Kwintor' | head -n 1
}

# Stops, newest first, what was started after the first COUNT processes
# and forgets it, for a test that sets up one desktop after another.
stop_started_after() {
    local count=$1 index
    for (( index = ${#started_pids[@]} - 1; index >= count; --index )); do
        stop_process "${started_pids[index]}"
    done
    started_pids=("${started_pids[@]:0:count}")
}
