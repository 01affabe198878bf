#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The game's windows on weston, through Qt's Wayland plugin, with real
# pointer input: weston runs in a window of its own on a virtual X display,
# so that a click there reaches the game as a Wayland pointer event and a
# screenshot of the X display shows what weston composed. The board's
# toplevel carries its own caption; the game-over box of a game given up
# from the keyboard is a child toplevel of the board (xdg_toplevel.set_parent)
# and stays above it when the board is clicked; so is the about window.
# Run: KWINTOR_BINARY=build/windows/game/kwintor bash tests/desktop/windows_wayland.sh
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/common.sh"

protocol="$scratch/game.log"
# Plain board, above the part of the screen the checks look at.
resting_place=(900 200)
# Below the board's controls, which stand centred on the screen: the
# maximised board shows only its face, the classic button face, here until
# the box comes.
lower_part=1024x293+0+475
board_face=C0C0C0
# Everything below weston's panel and the board's caption and menu, which
# goes inactive behind a box: where weston may put a box. In it, the
# board's clock, which goes on.
below_panel=1024x702+0+66
clock='rectangle 552,330 664,395'

# An object of INTERFACE in the protocol log, with its id as \1: libwayland
# writes it as interface@id up to 1.22, as interface#id since.
object_of() { echo "$1[@#]\([0-9]*\)"; }

# The protocol id of the xdg_toplevel titled TITLE, as the client named it.
toplevel_titled() {
    sed -n "s/.*-> $(object_of xdg_toplevel)\.set_title(\"$1\")\$/\1/p" "$protocol" | head -n 1
}

titled() { [[ -n $(toplevel_titled "$1") ]]; }

# Whether the client made the xdg_toplevel of id CHILD a child of the one of id PARENT.
parent_set() {
    grep -q -- "-> xdg_toplevel[@#]$1\.set_parent(xdg_toplevel[@#]$2)" "$protocol"
}

destroyed() { grep -q -- "-> xdg_toplevel[@#]$1\.destroy()" "$protocol"; }

# Whether weston last gave the game the keyboard rather than took it away.
keyboard_entered() {
    grep -E "wl_keyboard[@#][0-9]+\.(enter|leave)\(" "$protocol" | tail -n 1 | grep -q '\.enter('
}

# Pointer buttons weston delivered to the game, pressed and released.
pointer_buttons() { grep -c "$(object_of wl_pointer)\.button(" "$protocol" || true; }

more_buttons_than() { (( $(pointer_buttons) > $1 )); }

# Where weston last told the game the pointer is, across the board (whose
# left edge is the screen's), in whole pixels.
pointer_x() {
    grep -E "wl_pointer[@#][0-9]+\.(motion|enter)\(" "$protocol" | tail -n 1 |
        sed -E 's/.*, (-?[0-9]+)\.[0-9]*, -?[0-9.]+\)$/\1/'
}

# weston's X11 backend can miss where xdotool put the pointer, and a click
# then lands where it was before: move it until the game hears of it there.
pointer_moved_to() {
    xdotool mousemove "$(($1 + 1))" "$2" mousemove "$1" "$2"
    [[ $(pointer_x) == "$1" ]]
}

# From the round's slot to "Poddaję grę", pressed with Space: keys reach
# the game whatever weston thinks of the pointer. The board is seen with
# the button in focus, before it is pressed.
give_up_by_keyboard() {
    xdotool key Tab Tab
    timeout_seconds=10 wait_until settled board || fail "the screen did not settle before giving up"
    xdotool key space
}

# Clicks the board at X Y, or, where weston keeps the pointer elsewhere,
# wherever it keeps it, as long as that is not on the box, which spans the
# board's columns LEFT to RIGHT.
click_board_at() {
    local x=$1 y=$2 left=$3 right=$4
    timeout_seconds=3 wait_until pointer_moved_to "$x" "$y" || true
    (( $(pointer_x) < left || $(pointer_x) > right )) ||
        fail "weston keeps the pointer on the box, at x $(pointer_x)"
    xdotool click 1
}

# A screenshot of PART of the screen, in NAME.png, with the pointer out of
# the way; below the panel, but for the clock, unless PART is given.
shoot() {
    xdotool mousemove "${resting_place[@]}"
    import -window root -crop "${2:-$below_panel}" +repage "$scratch/$1.png"
    [[ -n ${2:-} ]] || mogrify -fill black -draw "$clock" "$scratch/$1.png"
}

# One colour alone is not enough: weston fades in from one colour of its
# own, and a click then lands on its fading curtain, not on the board.
plain_board() {
    shoot lower "$lower_part" && [[ $(convert "$scratch/lower.png" -format '%k %[hex:p{0,0}]' info:) == "1 $board_face" ]]
}

# What differs from the board but for thin lines, such as a focus frame
# that moves to the box, as WIDTHxHEIGHT+LEFT+TOP.
not_board() {
    convert "$scratch/board.png" "$scratch/$1.png" -compose difference -composite -threshold 1% \
        -morphology Erode Square:1 -trim -format '%wx%h%O' info: 2>/dev/null
}
box_shown() { shoot now && [[ $(not_board now) =~ ^[0-9]{3,}x ]]; }

# compare counts the differing pixels first, and ImageMagick 7 adds their
# share after it.
same() {
    local differing
    read -r differing _ <<<"$(compare -metric AE "$scratch/$1.png" "$scratch/$2.png" null: 2>&1)"
    [[ $differing == 0 ]]
}

# Whether NAME.png and OTHER.png agree within GEOMETRY.
same_within() {
    local name
    for name in "$2" "$3"; do convert "$scratch/$name.png" -crop "$1" +repage "$scratch/$name-part.png"; done
    same "$2-part" "$3-part"
}

# Two screenshots a moment apart that agree: whatever was coming has come.
settled() {
    shoot earlier
    sleep 0.3
    shoot "$1"
    same earlier "$1"
}

use_private_session
start_xvfb 1024x768x24
start_weston 1024 768
start_game "$at_design_size" QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=kwintor WAYLAND_DEBUG=1

timeout_seconds=20 wait_until titled Kwintor || fail "the board showed no title of its own"
board=$(toplevel_titled Kwintor)
echo "PASS: the board is xdg_toplevel $board, titled Kwintor"
timeout_seconds=20 wait_until plain_board || fail "the maximised board did not show below weston's panel"

give_up_by_keyboard
timeout_seconds=10 wait_until titled 'Kwintor-matematyczny test' || fail "no game-over box after giving up"
box=$(toplevel_titled 'Kwintor-matematyczny test')
parent_set "$box" "$board" ||
    fail "the game-over box, xdg_toplevel $box, is not a child of the board"
echo "PASS: the game-over box, xdg_toplevel $box, is a child of the board"

timeout_seconds=10 wait_until box_shown || fail "the game-over box did not show"
timeout_seconds=10 wait_until settled box-shown || fail "the screen did not settle with the box"
IFS='x+' read -r width height left top <<<"$(not_board box-shown)"
echo "the game-over box shows at $(not_board box-shown) of the screen below the board's menu"
# weston places windows anywhere: plain board on the other side of the box.
(( left + width / 2 > 512 )) && click_x=60 || click_x=960
buttons=$(pointer_buttons)
click_board_at "$click_x" 740 "$left" "$((left + width))"
timeout_seconds=5 wait_until more_buttons_than "$((buttons + 1))" ||
    fail "weston did not deliver the click on the board to the game"
# weston draws the pointer itself: what it shows has settled once the
# pointer has left for its resting place, out of the picture.
timeout_seconds=10 wait_until settled board-clicked || fail "the screen did not settle after the click"
# The box's caption repaints active or inactive late on a busy machine:
# the box's lower half tells whether it stayed above.
same_within "${width}x$((height / 2))+$left+$((top + height / 2))" box-shown board-clicked || fail "the game-over box did not stay above the board clicked"
echo "PASS: the game-over box stays above the board clicked"
process_gone "$game_pid" && fail "the game ended with the box"

# The about window, from Pomoc in the menu by the keyboard, belongs to the
# board as well.
xdotool key Escape
timeout_seconds=10 wait_until destroyed "$box" || fail "the game-over box did not close"
# weston hands the keyboard back a moment after the box has gone.
timeout_seconds=10 wait_until keyboard_entered || fail "the keyboard did not come back to the board"
xdotool key alt Right Right Return
timeout_seconds=10 wait_until titled 'O programie' || fail "no about window from the keyboard"
about=$(toplevel_titled 'O programie')
parent_set "$about" "$board" || fail "the about window, xdg_toplevel $about, is not a child of the board"
echo "PASS: the about window, xdg_toplevel $about, is a child of the board"
echo "PASS: windows on Wayland"
