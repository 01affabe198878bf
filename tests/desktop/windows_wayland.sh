#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The game's windows on a headless weston, through Qt's Wayland plugin: the
# board's toplevel carries its own caption, and the game-over box that the
# clock brings after the first round's 40 seconds is a child toplevel of the
# board (xdg_toplevel.set_parent), which the compositor keeps above it.
# Run: KWINTOR_BINARY=build/windows/game/kwintor bash tests/desktop/windows_wayland.sh
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/common.sh"

protocol="$scratch/game.log"

# The protocol id of the xdg_toplevel titled TITLE, as the client named it.
toplevel_titled() {
    sed -n "s/.*-> \(xdg_toplevel@[0-9]*\)\.set_title(\"$1\")\$/\1/p" "$protocol" | head -n 1
}

titled() { [[ -n $(toplevel_titled "$1") ]]; }

use_private_session
start_logged weston weston --backend=headless-backend.so --socket=kwintor --width=1024 --height=768
wait_until test -S "$XDG_RUNTIME_DIR/kwintor" || fail "weston did not start: $(cat "$scratch/weston.log")"
start_game QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=kwintor WAYLAND_DEBUG=1

timeout_seconds=20 wait_until titled Kwintor || fail "the board showed no title of its own"
board=$(toplevel_titled Kwintor)
echo "PASS: the board is $board, titled Kwintor"

timeout_seconds=60 wait_until titled 'Kwintor-matematyczny test' || fail "no game-over box when the clock ran out"
box=$(toplevel_titled 'Kwintor-matematyczny test')
grep -q -- "-> $box\.set_parent($board)" "$protocol" ||
    fail "the game-over box $box is not a child of the board $board"
echo "PASS: the game-over box $box is a child of the board"
process_gone "$game_pid" && fail "the game ended with the box"
echo "PASS: windows on Wayland"
