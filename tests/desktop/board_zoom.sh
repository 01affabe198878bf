#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The board at the zoom the game picks for the screen, from screenshots:
# on common screen sizes, under openbox and on weston, the game names the
# zoom, and the maximised window covers the screen, its board drawn as wide
# as the zoom makes it, over at least 0.65 of the screen and in the middle.
# A player's own QT_SCALE_FACTOR gets nothing added. At 2560x1440 a tile
# dragged at the zoom lands in its slot; at 1920x1080 the restored window
# fits the screen and can't shrink below the board.
# Run: KWINTOR_BINARY=build/debug/game/kwintor bash tests/desktop/board_zoom.sh
# KWINTOR_ZOOM_SHOTS=DIR keeps the screenshots there.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/common.sh"

# The desktop, the screen, its Xft.dpi (- for none), the zoom the game
# picks (- where the player chose), the player's own QT_SCALE_FACTOR (-
# for none) and what else is checked there. The drop and the restoring
# have screens of their own: a dropped tile's sound, without a sound
# device, brings up a box that keeps the board from the next click.
screens=(
    "openbox 1024x768 - 1.5 - -"
    "openbox 1366x768 - 1.5 - -"
    "openbox 1920x1080 - 2 - restore_board"
    "openbox 2560x1440 - 2.75 - drag_tile_to_slot"
    "openbox 3840x2160 - 4.25 - -"
    "openbox 3840x2160 192 2 - -"
    "openbox 1920x1080 - - 1 -"
    "weston 1920x1080 - 2 - -"
)

silver=C0C0C0
# The board in logical pixels: its design size, where what it draws starts,
# how wide and how high that is, the "+" tile and the first slot.
board_size=(640 442)
drawn=(3 636 265)
plus_tile=(24 216 33 33)
first_slot=(72 72 33 33)
# The player's points, drawn in red.
points=(277 228 40 30)
# The caption and the menu take about 40 logical pixels above the board.
below_menu=45
# weston's panel takes the top of its screen.
weston_panel=32

# N logical pixels in screen pixels, rounded.
on_screen() { awk -v n="$1" -v scale="$scale" 'BEGIN {printf "%d", n * scale + 0.5}'; }

share() { awk -v part="$1" -v whole="$2" 'BEGIN {printf "%.2f", part / whole}'; }

near() { awk -v a="$1" -v b="$2" -v within="$3" 'BEGIN {exit !(a - b <= within && b - a <= within)}'; }

# The command holds within a few seconds, for what follows a click at once.
soon() { timeout_seconds=5 wait_until "$@"; }

at_least() { awk -v a="$1" -v b="$2" 'BEGIN {exit !(a >= b)}'; }

keep_shot() {
    [[ -z ${KWINTOR_ZOOM_SHOTS:-} ]] || { mkdir -p "$KWINTOR_ZOOM_SHOTS" && cp "$1" "$KWINTOR_ZOOM_SHOTS/"; }
}

# What is not silver in SHOT below the menu: the board, as "LEFT TOP WIDTH
# HEIGHT" in screen pixels, without the screen's last EDGE rows and
# columns. The silver border makes silver the colour that -trim cuts
# away, whatever the corner shows.
board_box() {
    convert "$1" -crop "$((screen[0] - edge))x$((screen[1] - top - edge))+0+$top" +repage \
        -bordercolor "#$silver" -border 1 -trim -format '%X %Y %w %h' info: |
        awk -v top="$top" '{print $1 - 1, $2 - 1 + top, $3, $4}'
}

window_size() { xdotool getwindowgeometry --shell "$1" | sed -n 's/^WIDTH=//p; s/^HEIGHT=//p' | paste -sd ' '; }

# The game's window, which start_openbox_desktop finds, covers the screen.
openbox_maximised() { [[ $(window_size "$window") == "${screen[0]} ${screen[1]}" ]]; }

# weston asks for a window of its screen below the panel.
weston_maximised() {
    [[ $(grep -o 'xdg_toplevel[@#][0-9]*\.configure([0-9]*, [0-9]*' "$scratch/game.log" | tail -n 1) == \
        *"(${screen[0]}, $((screen[1] - weston_panel))" ]]
}

# A screenshot in SHOT with the board where it stays: the window
# maximised, silver below the menu, and the board's box as in the
# screenshot before. weston draws its pointer where it last heard of it,
# which xdotool can't steer: in the middle of the screen, on the board,
# or in the top-left corner, on its panel; never in the board's margins.
shot_settled() {
    local box
    "${desktop}_maximised" || return 1
    import -window root "$1"
    [[ $(convert "$1" -format "%[hex:p{0,$top}]" info:) == "$silver" ]] || return 1
    box=$(board_box "$1")
    [[ $box == "$settled_box" ]] && return 0
    settled_box=$box
    return 1
}

# The zoom the game names on stderr, asked to by its logging rule.
zoom_named() { sed -n 's/.*zoom[^0-9]*\([0-9][0-9.]*\).*/\1/p' "$scratch/game.log" | tail -n 1; }

names_zoom() { [[ -n $(zoom_named) ]] && awk -v named="$(zoom_named)" -v zoom="$1" 'BEGIN {exit named != zoom}'; }

# The maximised window's silver reaches the screen's bottom corners.
covers_screen() {
    [[ $(convert "$shot" -format "%[hex:p{0,$((screen[1] - 1))}] %[hex:p{$((screen[0] - 1)),$((screen[1] - 1))}]" \
        info:) == "$silver $silver" ]]
}

# A board part, LEFT TOP WIDTH HEIGHT in logical pixels, on the screen as
# WIDTHxHEIGHT+LEFT+TOP.
part_on_screen() {
    echo "$(on_screen "$3")x$(on_screen "$4")+$((board_left + $(on_screen "$1")))+$((board_top + $(on_screen "$2")))"
}

part_centre() {
    awk -v left="$1" -v top="$2" -v width="$3" -v height="$4" -v scale="$scale" -v x="$board_left" \
        -v y="$board_top" 'BEGIN {printf "%d %d", x + (left + width / 2) * scale, y + (top + height / 2) * scale}'
}

# How many pixels of PART of SHOT are the tiles' red.
red_pixels() {
    convert "$1[$2]" -fuzz 20% -fill black +opaque red -fill white -opaque red -format '%[fx:round(mean * w * h)]' info:
}

# The first slot shows as much red as the "+" tile did in the palette:
# the "-" tile has half as much, the others less still. Where "+" solved
# the round, the next round's slots are empty and the red points changed.
slot_shows_plus() {
    import -window root "$scratch/dropped.png"
    slot_red=$(red_pixels "$scratch/dropped.png" "$(part_on_screen "${first_slot[@]}")")
    ((tile_red > 0)) && near "$slot_red" "$tile_red" "$((tile_red / 10))" && return 0
    (( $(red_pixels "$scratch/dropped.png" "$(part_on_screen "${points[@]}")") != points_red ))
}

drag_tile_to_slot() {
    local tile slot
    # Opcje → Dźwięk turns the sound off: without a sound device a drop
    # either lands or brings a box instead, as the device's answer comes
    # within its patience or not.
    switch_sound
    tile_red=$(red_pixels "$shot" "$(part_on_screen "${plus_tile[@]}")")
    points_red=$(red_pixels "$shot" "$(part_on_screen "${points[@]}")")
    read -r -a tile <<<"$(part_centre "${plus_tile[@]}")"
    read -r -a slot <<<"$(part_centre "${first_slot[@]}")"
    drag_and_drop "${tile[@]}" "${slot[@]}"
    check "$name: the \"+\" tile dragged from ${tile[*]} shows in the first slot at ${slot[*]}" soon slot_shows_plus
    echo "$name: $slot_red red pixels in the slot, $tile_red in the \"+\" tile"
    keep_shot "$scratch/dropped.png"
}

restored() {
    local size
    read -r -a size <<<"$(window_size "$1")"
    ((size[0] < screen[0] || size[1] < screen[1]))
}

# A double click on the middle of the caption restores the board's window,
# which fits the screen and asks for no less than the board's design size.
restore_board() {
    local size minimum
    xdotool mousemove "$((screen[0] / 2))" "$(on_screen 8)" click --repeat 2 --delay 80 1
    check "$name: a double click on the caption restores the window" soon restored "$window"
    read -r -a size <<<"$(window_size "$window")"
    check "$name: the restored window, ${size[0]}x${size[1]}, fits the screen" \
        test "${size[0]}" -le "${screen[0]}" -a "${size[1]}" -le "${screen[1]}"
    minimum=$(xprop -id "$window" WM_NORMAL_HINTS | sed -n 's/.*minimum size: \([0-9]*\) by \([0-9]*\)/\1 \2/p')
    read -r -a minimum <<<"${minimum:-0 0}"
    check "$name: the window's minimum size, ${minimum[0]}x${minimum[1]}, holds the board" \
        test "${minimum[0]}" -ge "$(on_screen "${board_size[0]}")" -a "${minimum[1]}" -ge "$(on_screen "${board_size[1]}")"
    import -window root "$scratch/restored.png"
    keep_shot "$scratch/restored.png"
}

start_openbox_desktop() {
    local dpi=$1
    shift
    start_xvfb "${screen[0]}x${screen[1]}x24"
    start_openbox
    [[ $dpi == - ]] || echo "Xft.dpi: $dpi" | xrdb -nocpp -merge
    start_game "$@"
    window=$(game_window) || true
}

# weston's window on an X display, and the game logging the Wayland
# protocol, which says how large weston wants its window.
start_weston_desktop() {
    shift
    start_xvfb "${screen[0]}x${screen[1]}x24"
    start_weston "${screen[0]}" "${screen[1]}"
    start_game QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=kwintor WAYLAND_DEBUG=1 "$@"
}

# The board in the settled screenshot: how large, how wide a share of the
# screen and where, and then what else the screen's row names.
check_board() {
    local zoom=$1 factor=$2 extras=$3 box left right width named
    read -r -a box <<<"$(board_box "$shot")"
    left=${box[0]}
    right=$((screen[0] - box[0] - box[2]))
    width=$(on_screen "${drawn[1]}")
    board_left=$((left - $(on_screen "${drawn[0]}")))
    board_top=$((box[1] + box[3] - $(on_screen "${drawn[2]}")))
    echo "$name: board ${box[2]}x${box[3]} at ${box[0]},${box[1]}, $(share "${box[2]}" "${screen[0]}") of the width," \
        "margins $left and $right"
    if [[ $factor == - ]]; then
        named=$(zoom_named)
        check "$name: the game names zoom $zoom (it names ${named:-none})" names_zoom "$zoom"
        check "$name: the board covers at least 0.65 of the screen's width" \
            at_least "$(share "${box[2]}" "${screen[0]}")" 0.65
    fi
    check "$name: the maximised window covers the screen" covers_screen
    check "$name: the board is drawn $width px wide, within 2 %" near "${box[2]}" "$width" "$((width / 50))"
    check "$name: the board stands in the middle, margins within 10 % of the width" \
        near "$left" "$right" "$((screen[0] / 10))"
    [[ $extras == - ]] || "$extras"
}

# Starts the game on one screen of the table, checks its board and stops
# it all again.
check_screen() {
    local desktop=$1 screen_size=$2 dpi=$3 zoom=$4 factor=$5 extras=$6
    local started=${#started_pids[@]} settings=(QT_LOGGING_RULES=kwintor.zoom.debug=true)
    IFS=x read -r -a screen <<<"$screen_size"
    name="$desktop $screen_size"
    [[ $dpi == - ]] || name+=" Xft.dpi $dpi"
    [[ $factor == - ]] || { name+=" QT_SCALE_FACTOR=$factor" && settings+=("QT_SCALE_FACTOR=$factor"); }
    # The zoom or the player's factor multiplies Qt's own ratio, Xft.dpi / 96.
    scale=$(awk -v zoom="${factor/#-/$zoom}" -v dpi="${dpi/#-/96}" 'BEGIN {print zoom * dpi / 96}')
    top=$(on_screen "$below_menu")
    [[ $desktop == openbox ]] || top=$((top + weston_panel))
    shot="$scratch/${name// /-}.png"
    # At a fractional zoom the window can fall short of the screen's last
    # row or column by less than a logical pixel; covers_screen says so.
    edge=$(awk -v scale="$scale" 'BEGIN {edge = int(scale); print edge < scale ? edge + 1 : edge}')
    # start_xvfb reads the display from this file once Xvfb writes it anew.
    rm -f "$scratch/display"
    "start_${desktop}_desktop" "$dpi" "${settings[@]}"
    settled_box=
    if wait_until shot_settled "$shot"; then
        keep_shot "$shot"
        check_board "$zoom" "$factor" "$extras"
    else
        # The game's own lines, not the Wayland protocol's.
        check "$name: the maximised board shows; the game said: $(grep -v '^\[' "$scratch/game.log" | tail -n 5)" false
    fi
    stop_started_after "$started"
}

use_private_session
for row in "${screens[@]}"; do
    # shellcheck disable=SC2086 # the row's words are the arguments
    check_screen $row
done
fail_if_any_check_failed
echo "PASS: the board at every zoom"
