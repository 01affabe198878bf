#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The error display when the game has run out of file descriptors: on its
# own Xvfb, whose shared memory reaches a new window through a descriptor,
# the game's limit is lowered to the descriptors it holds, and "Najlepsze
# wyniki z gier" must show its error box and close it on Enter rather than
# hang. Run: tests/desktop/error_display_descriptors.sh (CTest passes the
# game as KWINTOR_BINARY).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

error_box_title='^Kwintor-matematyczny test$'

# Each of the game's shown windows: the main window, then a menu or a box.
visible_windows() { xdotool search --all --onlyvisible --pid "$game_pid" --name '' 2>/dev/null | wc -l; }
menu_open() { (( $(visible_windows) >= 2 )); }
error_box_shown() { xdotool search --all --onlyvisible --pid "$game_pid" --name "$error_box_title" >/dev/null 2>&1; }
error_box_gone() { ! error_box_shown; }

# The lowest descriptor number the game does not hold: as its limit, no
# file can be opened any more.
lowest_free_descriptor() {
    local number=0
    while [[ -e /proc/$game_pid/fd/$number ]]; do
        number=$((number + 1))
    done
    echo "$number"
}

use_private_session
start_xvfb
start_openbox
start_game
main_window=$(game_window)
[[ -n $main_window ]] || fail "the game shows no window: $(cat "$scratch/game.log")"
xdotool windowactivate --sync "$main_window"

# The menu opens and paints before the limit, so that only the error box
# needs what is left.
xdotool key alt+g
wait_until menu_open || fail "the Gra menu did not open"
sleep 0.5
limit=$(lowest_free_descriptor)
prlimit --pid "$game_pid" --nofile="$limit:$limit"

xdotool key Down Return
wait_until error_box_shown || fail "no error box for the score file"
xdotool key Return
wait_until error_box_gone || fail "the error box hangs with the descriptors used up"
kill -0 "$game_pid" 2>/dev/null || fail "the game ended: $(cat "$scratch/game.log")"
echo "PASS: the error box showed and closed with $limit descriptors"
