# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the desktop tests: each starts the real components a player's
# desktop brings (display, window manager, buses, servers), drives the real
# game against them and stops all of it by process id when it exits.
# Every test gets its own scratch folder, display, runtime folder and bus.
set -euo pipefail

desktop_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
# The game under test; CTest passes the one it built.
kwintor_binary=$(realpath -m "${KWINTOR_BINARY:-$desktop_root/build/debug/game/kwintor}")
timeout_seconds=${DESKTOP_TIMEOUT_SECONDS:-60}

scratch=$(mktemp -d)
started_pids=()

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

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

# Stops what the test started, newest first, then removes its scratch folder.
stop_everything() {
    local index
    for (( index = ${#started_pids[@]} - 1; index >= 0; --index )); do
        kill -TERM "${started_pids[index]}" 2>/dev/null || true
    done
    for (( index = ${#started_pids[@]} - 1; index >= 0; --index )); do
        wait_until_gone "${started_pids[index]}" || kill -KILL "${started_pids[index]}" 2>/dev/null || true
    done
    rm -rf "$scratch"
}
trap stop_everything EXIT

# Retries the command every tenth of a second, for timeout_seconds at most.
wait_until() {
    local tries
    for (( tries = 0; tries < timeout_seconds * 10; ++tries )); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

process_gone() { ! kill -0 "$1" 2>/dev/null; }

wait_until_gone() {
    local tries
    for (( tries = 0; tries < 50; ++tries )); do
        process_gone "$1" && return 0
        sleep 0.1
    done
    return 1
}

# Starts a command in the background with its output in NAME.log, and keeps
# its process id, in last_pid too, for stopping it.
start_logged() {
    local name=$1
    shift
    "$@" >"$scratch/$name.log" 2>&1 &
    last_pid=$!
    started_pids+=("$last_pid")
}

# Stops one process started here, before the test ends.
stop_process() {
    kill -TERM "$1" 2>/dev/null || true
    wait_until_gone "$1" || kill -KILL "$1" 2>/dev/null || true
}

# A private runtime folder and home, so that no server of the machine's own
# session is found.
use_private_session() {
    export XDG_RUNTIME_DIR="$scratch/runtime" HOME="$scratch/home"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    mkdir "$HOME"
    unset XDG_DATA_HOME XDG_CONFIG_HOME DBUS_SESSION_BUS_ADDRESS PULSE_SERVER WAYLAND_DISPLAY
}

# Xvfb picks a free display itself and names it once it takes connections.
start_xvfb() {
    local size=${1:-1024x768x24}
    "Xvfb" -displayfd 3 -screen 0 "$size" -nolisten tcp 3>"$scratch/display" >"$scratch/xvfb.log" 2>&1 &
    started_pids+=("$!")
    wait_until test -s "$scratch/display" || fail "Xvfb did not start: $(cat "$scratch/xvfb.log")"
    export DISPLAY=":$(<"$scratch/display")"
}

openbox_manages() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

start_openbox() {
    start_logged openbox openbox --sm-disable
    wait_until openbox_manages || fail "openbox did not start: $(cat "$scratch/openbox.log")"
}

# A D-Bus session bus of the test's own; a test may start one for each of
# the servers it runs, each naming its address in a file of its own.
start_session_bus() {
    local address
    address=$(mktemp "$scratch/bus.XXXXXX")
    dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$address" >"$address.log" 2>&1 &
    started_pids+=("$!")
    wait_until test -s "$address" || fail "dbus-daemon did not start: $(cat "$address.log")"
    DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$address")
    export DBUS_SESSION_BUS_ADDRESS
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
    xdotool mousemove "$1" "$2" mousedown 1 mousemove $(($1 + 10)) $(($2 - 10)) \
        mousemove "$3" "$4" sleep 0.1 mouseup 1
}

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
