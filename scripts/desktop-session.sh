# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Sourced by what starts the components of a player's desktop for the game:
# the desktop tests, the screenshot script and the start-up benchmark. Each
# gets a scratch folder of its own and may start a display, a window
# manager, a runtime folder and a session bus of its own; all of it is
# stopped by process id when the script exits. Each waits for what it
# starts to say it is ready, never for a fixed time.
set -euo pipefail
timeout_seconds=${DESKTOP_TIMEOUT_SECONDS:-60}

scratch=$(mktemp -d)
started_pids=()

fail() {
    echo "FAIL: $*" >&2
    exit 1
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
    DISPLAY=":$(<"$scratch/display")"
    export DISPLAY
}

openbox_manages() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

manages_or_gone() { openbox_manages || process_gone "$1"; }

start_openbox() {
    start_logged openbox openbox --sm-disable
    if ! wait_until manages_or_gone "$last_pid" || ! openbox_manages; then
        fail "openbox did not start: $(cat "$scratch/openbox.log"); the X server said: $(cat "$scratch/xvfb.log" 2>/dev/null)"
    fi
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
