#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The game-over box on a busy machine: with stress-ng keeping both cores
# busy, the real game under openbox gives up 100 games in a row. Each
# "Poddaję grę" must bring exactly one "Koniec gry  !!!" box at the next
# tick, which the window manager makes the active window; Enter answers it
# and F2 starts the next game. Says how many boxes came, how long they
# took and how long the whole run took. When a box does not come, it says
# whether the game made one at all (an unmapped window) and keeps a
# screenshot in the working folder.
# GAME_OVER_GAMES sets how many games, GAME_OVER_LOAD_WORKERS how many
# stress-ng workers (0 for the machine as it is).
# Run: KWINTOR_BINARY=$PWD/build/load/game/kwintor bash tests/desktop/game_over_under_load.sh
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/common.sh"

games=${GAME_OVER_GAMES:-100}
load_workers=${GAME_OVER_LOAD_WORKERS:-2}
application_title='Kwintor-matematyczny test'
# A given-up game ends at the next tick, within a second; the rest is room
# for a busy machine.
box_wait_seconds=5

microseconds() { echo "${EPOCHREALTIME/./}"; }

# The window manager says which window is active as it changes; the test
# reads that as it comes instead of asking again and again.
follow_active_window() {
    exec {active_stream}< <(exec xprop -root -spy _NET_ACTIVE_WINDOW)
    started_pids+=("$!")
    active=0
}

# Reads what the window manager said next, waiting SECONDS at most.
next_active() {
    local line
    read -r -t "$1" -u "$active_stream" line || return 1
    # None before the window manager has named one.
    [[ $line == *'# '* ]] && active=$(( ${line##*# } )) || active=0
}

# Reads on until the active window is WINDOW; says false on seeing any of
# the game's boxes meanwhile that it is not expecting (EXPECTED), which it
# answers so that the run goes on.
wait_for_active() {
    local window=$1 expected=${2:-0} unexpected=0
    until (( active == window )); do
        next_active 10 || fail "window $window did not become active"
        if (( active != 0 && active != window && active != expected )) && is_box "$active"; then
            unexpected=1
            xdotool key Return
        fi
    done
    (( !unexpected ))
}

# Reads on until a window other than the board is active, for SECONDS at
# most; false if none comes.
wait_for_other_than_board() {
    local deadline=$(( $(microseconds) + $1 * 1000000 )) left
    until (( active != 0 && active != board )); do
        left=$(( deadline - $(microseconds) ))
        (( left > 0 )) || return 1
        next_active "$(printf '%d.%06d' $(( left / 1000000 )) $(( left % 1000000 )))" || return 1
    done
}

is_box() { [[ $(xprop -id "$1" _NET_WM_NAME 2>/dev/null) == *"= \"$application_title\"" ]]; }

mapped() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }

unmapped() { ! mapped "$1"; }

# What the X server knows of the game's windows, mapped or not, when a box
# did not come: whether the game made it at all or it was not shown.
describe_missing_box() {
    local window
    echo "no game-over box after game $1; the game's windows:"
    for window in $(xdotool search --all --pid "$game_pid" --name . 2>/dev/null); do
        echo "  $window $(xwininfo -id "$window" | sed -n 's/^ *Map State: //p') $(xprop -id "$window" _NET_WM_NAME WM_STATE | tr '\n' ' ')"
    done
    echo "  active: $(xdotool getactivewindow 2>/dev/null || echo none)"
    import -window root "$PWD/game_over_missing_$1.png" && echo "  screenshot: $PWD/game_over_missing_$1.png"
}

use_private_session
start_xvfb
start_openbox
start_game "$at_design_size"
board=$(game_window)
follow_active_window
xdotool windowactivate "$board"
wait_for_active "$board"
find_board
# "Poddaję grę", clicked to give up each game.
read -r -a give_up <<<"$(on_board 552 244)"
if (( load_workers > 0 )); then
    # Its own time limit too, should nothing stop it.
    start_logged stress-ng stress-ng --cpu "$load_workers" --timeout 600s
    stress_pid=$last_pid
    sleep 1
fi
echo "load average as the games begin: $(cut -d ' ' -f 1 /proc/loadavg) (stress-ng workers: $load_workers)"

new_game_key=$(key_code F2) || fail "no key types F2"
started=$(microseconds)
seen=0 unasked=0 box=0 waits=()
for (( game = 1; game <= games; ++game )); do
    wait_for_active "$board" "$box" || { unasked=$((unasked + 1)); echo "a second box after game $((game - 1))"; }
    # F2 and the click reach the game in this order: the new game is given up.
    xdotool key "$new_game_key" mousemove "${give_up[@]}" click 1
    asked=$(microseconds)
    if wait_for_other_than_board "$box_wait_seconds" && is_box "$active" && mapped "$active"; then
        box=$active
        seen=$((seen + 1))
        waits+=($(( ($(microseconds) - asked) / 1000 )))
        xdotool key Return
    else
        describe_missing_box "$game"
        xdotool windowactivate "$board"
    fi
done
wait_for_active "$board" "$box" || unasked=$((unasked + 1))
elapsed=$(( ($(microseconds) - started) / 1000 ))
if (( load_workers > 0 )); then
    stop_process "$stress_pid"
fi

sorted=$(printf '%s\n' "${waits[@]}" | sort -n)
echo "game-over boxes: $seen of $games, $unasked unasked; ${games} games took ${elapsed} ms"
if (( seen > 0 )); then
    echo "from the click to the box: median $(sed -n "$(( (seen + 1) / 2 ))p" <<<"$sorted") ms, slowest $(tail -n 1 <<<"$sorted") ms"
fi
check "every given-up game showed its game-over box" test "$seen" -eq "$games"
check "no game showed a second box" test "$unasked" -eq 0
check "the last box closed" wait_until unmapped "$box"
process_gone "$game_pid" && fail "the game ended on its own"
fail_if_any_check_failed
echo "PASS: the game-over box under load"
