# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Sourced by the tests: puts the test on a virtual display of its own with
# openbox, and starts and stops the installed game as a player with a home
# in AUTOPKGTEST_TMP would.
set -euo pipefail
: "${AUTOPKGTEST_TMP:?runs under autopkgtest, which names its scratch folder}"
# The project's own helpers for displays and servers, from the source tree
# autopkgtest runs the tests in.
source "$(dirname "$0")/../../scripts/desktop-session.sh"
unset XDG_DATA_HOME XDG_CONFIG_HOME
# Xvfb's own choice of display, never a fixed one: other releases' tests
# may run beside this one in systems that share the machine's abstract
# socket names, where a second server on one number cannot listen.
start_xvfb
export QT_QPA_PLATFORM=xcb
# The game's own title, which its boxes carry.
box_title='Kwintor-matematyczny test'
game_pid=

# Waits for the game to end, so that what it wrote is all there.
stop_game() {
    [[ -n $game_pid ]] || return 0
    kill -TERM "$game_pid" 2>/dev/null || true
    wait "$game_pid" 2>/dev/null || true
    game_pid=
}

# A window manager, as a player's desktop has, to give the game's windows
# the keyboard and open its menus.
start_openbox

# start_game HOME: the launcher of the menu entry, for a player whose home
# is HOME; it runs the game in the place of its own shell.
start_game() {
    mkdir -p "$1"
    HOME=$1 /usr/games/kwintor &
    game_pid=$!
    started_pids+=("$game_pid")
}

# The game's visible window named exactly NAME, once there.
game_window() {
    timeout "$timeout_seconds" xdotool search --sync --all --onlyvisible --pid "$game_pid" --name "^$1\$" |
        head -n 1
}

board_window() {
    local board
    board=$(game_window Kwintor) || fail "the installed game showed no window within $timeout_seconds s"
    xdotool windowactivate --sync "$board"
    echo "$board"
}

# The game's visible windows under its title, one a line: its boxes, and
# at least one other of its own, there from the start.
titled_windows() {
    xdotool search --onlyvisible --pid "$game_pid" --name "^$box_title\$" | sort || true
}

# Sets `box` to a window under the game's title that was not there `before`.
new_titled_window() {
    box=$(comm -13 <(echo "$before") <(titled_windows) | head -n 1)
    [[ -n $box ]]
}

# From the round's first slot, where every round puts the keyboard's focus,
# to "Poddaję grę", pressed with Space; the game ends at the clock's next
# tick with its "Koniec gry  !!!" box, a new window under the game's title.
give_up() {
    local before box=''
    before=$(titled_windows)
    xdotool key Tab Tab space
    wait_until new_titled_window || fail "no game-over box within $timeout_seconds s of giving up"
    echo "The game-over box came: window $box, \"$(xdotool getwindowname "$box")\"."
}
