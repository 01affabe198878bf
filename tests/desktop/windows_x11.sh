#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The game's windows under openbox on a virtual X display: every title the
# window manager shows is the window's own caption; the game-over box and
# the option and best-scores dialogs are transient for the board, offer no
# minimising and stay above the board when it is clicked; the box is wide
# enough for its caption; the about window minimises and comes back with
# the board, and stays above it through a game over.
# The frame: a maximised window's caption meets the screen's top and its
# close button the corner pixel; a caption drag moves the window exactly
# with the pointer, from its first pixel, and a double click on the caption
# maximises and restores; a dialog sizes from its corner, not below its
# design size.
# Run: KWINTOR_BINARY=build/windows/game/kwintor bash tests/desktop/windows_x11.sh
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/common.sh"

# Where the maximised board's menu lies, and a point below the board's
# controls, in screen pixels at the design size.
menu_gra=(20 30)
menu_opcje=(56 30)
menu_pomoc=(100 30)
empty_board=(700 500)
application_title='Kwintor-matematyczny test'

click_at() { xdotool mousemove "$1" "$2" click 1; }

# The game's window whose _NET_WM_NAME is NAME exactly, once it shows.
window_named() {
    local tries window
    for (( tries = 0; tries < 100; ++tries )); do
        for window in $(xdotool search --onlyvisible --pid "$game_pid" --name . 2>/dev/null); do
            title_is "$window" "$1" && echo "$window" && return 0
        done
        sleep 0.1
    done
    return 1
}

# What xprop says of one property, without the name before it.
property() { xprop -id "$1" "$2" | sed 's/^[^=]*= //'; }

title_is() { [[ $(property "$1" _NET_WM_NAME) == "\"$2\"" ]]; }

transient_for() { [[ $(property "$1" WM_TRANSIENT_FOR) == *"window id # $(printf '0x%x' "$2")" ]]; }

# What the game asks of the window manager: no minimise function or button.
no_minimise_hint() {
    local hints
    read -r -a hints <<<"$(property "$1" _MOTIF_WM_HINTS | tr -d ,)"
    (( (hints[0] & 1) && !(hints[1] & 8) ))
}

on_top() {
    local stacking
    stacking=$(xprop -root _NET_CLIENT_LIST_STACKING)
    [[ ${stacking##*, } == "$(printf '0x%x' "$1")" ]]
}

hidden() { property "$1" _NET_WM_STATE | grep -q _NET_WM_STATE_HIDDEN; }

not_hidden() { ! hidden "$1"; }

gone() { ! xdotool search --onlyvisible --pid "$game_pid" --name . | grep -qx "$1"; }

at_bounds() { [[ $(bounds "$1") == "$2" ]]; }

# Waits a few seconds at most for WINDOW to lie at BOUNDS.
settles_at() { timeout_seconds=5 wait_until at_bounds "$1" "$2"; }

maximised() { property "$1" _NET_WM_STATE | grep -q '_NET_WM_STATE_MAXIMIZED_VERT, _NET_WM_STATE_MAXIMIZED_HORZ'; }

becomes_maximised() { timeout_seconds=5 wait_until maximised "$1"; }

# The colour of one screen pixel, as #RRGGBB.
pixel() { import -window root -crop "1x1+$1+$2" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -n 1; }

# A window dragged with the left button from X,Y: first by one pixel,
# after which it lies at FIRST already, then on to DX,DY from the press.
drag() {
    local window=$1 x=$2 y=$3 dx=$4 dy=$5 first=$6
    xdotool mousemove "$x" "$y" mousedown 1
    xdotool mousemove "$((x + 1))" "$y"
    check "the window follows the first pixel of a drag" settles_at "$window" "$first"
    xdotool mousemove "$((x + dx))" "$((y + dy))"
    # The window manager has the drag: it sees the release.
    sleep 0.3
    xdotool mouseup 1
}

# The left button pressed at X,Y, moved once by DX,DY and released.
flick() {
    xdotool mousemove "$1" "$2" mousedown 1 mousemove "$(($1 + $3))" "$(($2 + $4))"
    sleep 0.3
    xdotool mouseup 1
}

double_click() { xdotool mousemove "$1" "$2" click --repeat 2 --delay 80 1; }

use_private_session
start_xvfb
start_openbox
start_game "$at_design_size"
board=$(game_window)
xdotool windowactivate --sync "$board"
check "the board's title is its caption" title_is "$board" Kwintor
screen_width=$(xwininfo -root | awk '/Width:/ {print $2}')
screen_height=$(xwininfo -root | awk '/Height:/ {print $2}')
check "the board opens maximised over the whole screen" settles_at "$board" "0 0 $screen_width $screen_height"
# Dark red to blue from the corner pixels on: no frame around the caption.
check "the maximised board's caption starts at the top-left pixel" test "$(pixel 0 0)" = '#7F0000'
check "the maximised board's caption reaches the top-right pixel" test "$(pixel "$((screen_width - 1))" 0)" = '#0000FF'

find_board
read -r -a give_up <<<"$(on_board 552 244)"
click_at "${give_up[@]}"
box=$(window_named "$application_title") || fail "no game-over box after giving up"
check "the game-over box is titled with the application title" title_is "$box" "$application_title"
check "the game-over box is transient for the board" transient_for "$box" "$board"
check "the game-over box asks for no minimising" no_minimise_hint "$box"
# openbox minimises a box whatever it asks, and the board with it.
xdotool windowminimize "$box"
sleep 1
check "the game-over box minimised comes back" wait_until not_hidden "$box"
check "the board minimised with it comes back" wait_until not_hidden "$board"
# openbox cuts "Kwintor-matematyczny test" beside its three buttons below this.
width=$(xdotool getwindowgeometry "$box" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')
check "the game-over box is wide enough for its caption (${width} px)" test "$width" -ge 270
click_at "${empty_board[@]}"
sleep 0.5
check "the game-over box stays above the board clicked" on_top "$box"
import -window root "$scratch/game-over.png"
xdotool windowactivate --sync "$box" key Escape
wait_until gone "$box" || fail "the game-over box did not close"

# Opcje, then "Poziom startowy gry", the second item.
click_at "${menu_opcje[@]}"
xdotool key Down Down Return
dialog=$(window_named 'Opcje ') || fail "no start-level dialog"
check "the start-level dialog's title is its caption" title_is "$dialog" 'Opcje '
check "the start-level dialog is transient for the board" transient_for "$dialog" "$board"
click_at "${empty_board[@]}"
sleep 0.5
check "the start-level dialog stays above the board clicked" on_top "$dialog"
read -r left top width height <<<"$(bounds "$dialog")"
drag "$dialog" "$((left + width - 1))" "$((top + height - 1))" 60 40 "$left $top $((width + 1)) $height"
check "the start-level dialog grows by its bottom-right corner" \
    settles_at "$dialog" "$left $top $((width + 60)) $((height + 40))"
import -window root "$scratch/start-level-resized.png"
flick "$((left + width + 59))" "$((top + height + 39))" -150 -120
check "the start-level dialog shrinks no smaller than designed" settles_at "$dialog" "$left $top $width $height"
# "Anuluj", in window pixels: frame, caption, then its place in the group.
xdotool mousemove --window "$dialog" 178 107 click 1
wait_until gone "$dialog" || fail "the start-level dialog did not close"

# Gra, then "Najlepsze wyniki z gier", the second item.
click_at "${menu_gra[@]}"
xdotool key Down Down Return
scores=$(window_named 'Lista najlepszych :') || fail "no best-scores dialog"
check "the best-scores dialog's title is its caption" title_is "$scores" 'Lista najlepszych :'
check "the best-scores dialog is transient for the board" transient_for "$scores" "$board"
xdotool windowactivate --sync "$scores" key Escape
wait_until gone "$scores" || fail "the best-scores dialog did not close"

click_at "${menu_pomoc[@]}"
about=$(window_named 'O programie') || fail "no about window"
check "the about window's title is its caption" title_is "$about" 'O programie'
check "the about window is transient for the board" transient_for "$about" "$board"
xdotool windowminimize --sync "$about"
check "the about window minimises" hidden "$about"
# openbox minimises a dialog with the window it belongs to, and restores both.
check "the board minimises with the about window" hidden "$board"
xdotool windowactivate --sync "$board"
click_at "${menu_pomoc[@]}"
check "the about window comes back with the board" wait_until not_hidden "$about"

# Giving up raises the board and its game-over box: the about window must
# stay above the board, not be left behind it once the box is gone. The
# first game is over: F2 starts another.
new_game_key=$(key_code F2) || fail "no key types F2"
xdotool key "$new_game_key"
click_at "${give_up[@]}"
box=$(window_named "$application_title") || fail "no game-over box with the about window open"
xdotool windowactivate --sync "$box" key Escape
wait_until gone "$box" || fail "the game-over box did not close"
check "the about window stays above the board through a game over" viewable_above "$about" "$board"

xdotool windowactivate --sync "$about"
read -r left top width height <<<"$(bounds "$about")"
drag "$about" "$((left + 150))" "$((top + 12))" 120 80 "$((left + 1)) $top $width $height"
check "a caption drag of 120,80 moves the about window by exactly that" \
    settles_at "$about" "$((left + 120)) $((top + 80)) $width $height"
xdotool mousemove 700 600
sleep 0.3
check "the window stays put once the drag is over" at_bounds "$about" "$((left + 120)) $((top + 80)) $width $height"
read -r left top width height <<<"$(bounds "$about")"
flick "$((left + 150))" "$((top + 12))" 3 -2
check "a caption drag of 3,-2 moves the about window by exactly that" \
    settles_at "$about" "$((left + 3)) $((top - 2)) $width $height"
normal=$(bounds "$about")
read -r left top width height <<<"$normal"
double_click "$((left + 150))" "$((top + 12))"
check "a double click on the caption maximises" becomes_maximised "$about"
check "the maximised window covers the screen, caption at the top" \
    settles_at "$about" "0 0 $screen_width $screen_height"
double_click 300 8
check "another double click restores" settles_at "$about" "$normal"
double_click "$((left + 150))" "$((top + 12))"
becomes_maximised "$about" || fail "the about window did not maximise again"
xdotool mousemove "$((screen_width - 1))" 0 click 1
check "the top-right pixel is the maximised window's close button" wait_until gone "$about"

fail_if_any_check_failed
echo "PASS: windows on X11"
