#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The drop sound on real sound servers: a PulseAudio, then a PipeWire with
# pipewire-pulse and WirePlumber, each with two null sinks of which the
# second is the default. Drops made on the board by keyboard and by mouse
# must each be heard whole at the default sink's monitor (as long and as
# loud as paplay's playing of the same file there) and not at all at the
# other sink; a server that comes after the game is found at the next drop,
# one that goes away is reported in the error box. On a server that puts
# idle sinks to sleep, the game keeps the default one awake while its board
# is shown with the sound on, so that a drop after thinking is heard whole,
# and lets it sleep once the sound is off or the board minimised.
# Run: KWINTOR_BINARY=build/debug/game/kwintor bash tests/desktop/sound_servers.sh
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/common.sh"
source "$here/sound_servers_common.sh"

drop_sound="$desktop_root/data/1.wav"
short_sound="$scratch/short.wav"
# Far enough apart that one drop's sound is over before the next begins.
drop_spacing=0.5
# Where the board's slot and the palette's tiles lie, in the board's own
# pixels at the design size.
first_slot=(88 88)
declare -A palette_tile=([plus]="40 232" [minus]="96 232" [times]="152 232" [divided]="208 232")

# paplay's playing of FILE, three times, recorded at the default sink into
# the reference a drop's sound is held to. It comes first on a new server:
# PulseAudio hands a recorder of a new sink's monitor nothing until some
# stream has played there.
record_paplay() {
    local file=$1 recording=$2
    start_recording second "$recording"
    sleep "$drop_spacing"
    for _ in 1 2 3; do
        paplay "$file"
        sleep "$drop_spacing"
    done
    stop_recordings
}

error_box() { xdotool search --onlyvisible --name '^Kwintor-matematyczny test$' 2>/dev/null | head -n 1; }

no_error_box() { [[ -z $(error_box) ]]; }

# The device error box appears within a few seconds and goes with Return.
error_box_shown() {
    local box
    box=$(timeout 10 xdotool search --sync --onlyvisible --name '^Kwintor-matematyczny test$' | head -n 1) ||
        return 1
    xdotool windowactivate --sync "$box" key Return
    wait_until no_error_box
}

focus_board() { xdotool windowactivate --sync "$game_window_id"; }

sink_becomes() { wait_until sink_is "$@"; }

# Each key is one drop on the slot in focus; every round starts with the
# focus on its first slot and an operator key never leaves the slots.
keyboard_drops() {
    local key code
    for key in "$@"; do
        code=$(key_code "$key") || fail "no key types $key"
        xdotool key "$code"
        sleep "$drop_spacing"
    done
}

# Each tile is pressed on, dragged and let go over the first slot.
mouse_drops() {
    local tile
    for tile in "$@"; do
        # shellcheck disable=SC2086 # split on purpose: the entry is "X Y"
        read -r -a from <<<"$(on_board ${palette_tile[$tile]})"
        read -r -a to <<<"$(on_board "${first_slot[@]}")"
        drag_and_drop "${from[@]}" "${to[@]}"
        sleep "$drop_spacing"
    done
}

heard_whole() {
    local count=$1 heard=$2 reference=$3
    python3 -B "$here/drop_sounds.py" --reference "$reference" --sounds "$count" "$heard"
}

heard_nothing() { python3 -B "$here/drop_sounds.py" --sounds 0 "$1"; }

start_board() {
    start_game "$at_design_size"
    game_window_id=$(game_window)
    [[ -n $game_window_id ]] || fail "the game showed no window: $(cat "$scratch/game.log")"
    find_board
    focus_board
}

# Keyboard and mouse drops, a shorter sound, then the server going away.
play_on_running_server() {
    local server=$1 name=$2
    local recordings="$scratch/$server"
    mkdir -p "$recordings"
    echo "== $name: drops on a running server"
    use_sound_server_session "$server"
    "start_$server"
    record_paplay "$drop_sound" "$recordings/paplay.raw"
    record_paplay "$short_sound" "$recordings/paplay-short.raw"

    start_board
    start_recording second "$recordings/drops.raw"
    start_recording first "$recordings/other-sink.raw"
    sleep "$drop_spacing"
    keyboard_drops KP_Add KP_Subtract Delete KP_Multiply KP_Divide Delete
    mouse_drops plus minus times divided
    stop_recordings
    check "$name: no error box during the drops" no_error_box
    check "$name: 10 drops by keyboard and mouse heard whole at the default sink" \
        heard_whole 10 "$recordings/drops.raw" "$recordings/paplay.raw"
    check "$name: nothing reached the other sink" heard_nothing "$recordings/other-sink.raw"

    cp "$short_sound" "$scratch/game/1.wav"
    start_recording second "$recordings/short.raw"
    sleep "$drop_spacing"
    keyboard_drops KP_Add Delete
    stop_recordings
    cp "$drop_sound" "$scratch/game/1.wav"
    check "$name: 2 drops of a 20 ms sound heard whole" \
        heard_whole 2 "$recordings/short.raw" "$recordings/paplay-short.raw"

    stop_sound_server
    keyboard_drops KP_Add
    check "$name: a drop once the server has gone shows the error box" error_box_shown
    stop_process "$game_pid"
}

# The game starts with no server at the socket it is told of.
play_before_server_starts() {
    local server=$1 name=$2
    local recordings="$scratch/$server"
    echo "== $name: a server that starts after the game"
    use_sound_server_session "$server-late"
    start_board
    keyboard_drops KP_Add
    check "$name: a drop before the server starts shows the error box" error_box_shown

    "start_$server"
    record_paplay "$drop_sound" "$recordings/paplay-late.raw"
    focus_board
    start_recording second "$recordings/late.raw"
    sleep "$drop_spacing"
    keyboard_drops KP_Subtract
    stop_recordings
    check "$name: the first drop once the server is there is heard whole" \
        heard_whole 1 "$recordings/late.raw" "$recordings/paplay-late.raw"
    stop_process "$game_pid"
    stop_sound_server
}

# No pacat keeps these sinks awake: only the game does. A recorder would
# too, so none runs until the held sink has been checked.
hold_sleeping_output() {
    local server=$1 name=$2
    local recordings="$scratch/$server"
    echo "== $name: the output held awake while the player thinks"
    use_sound_server_session "$server-sleeping"
    "start_$server" sleeping
    start_board
    keyboard_drops KP_Add
    sleep 8
    check "$name: after a drop and 8 s of thinking the default sink is running" sink_is second RUNNING
    check "$name: the other sink sleeps" sink_is first SUSPENDED

    start_recording second "$recordings/after-pause.raw"
    sleep "$drop_spacing"
    keyboard_drops KP_Subtract
    stop_recordings
    check "$name: the drop after the pause is heard whole" \
        heard_whole 1 "$recordings/after-pause.raw" "$recordings/paplay.raw"

    focus_board
    switch_sound
    check "$name: with the sound off the default sink sleeps" sink_becomes second SUSPENDED
    focus_board
    switch_sound
    check "$name: with the sound on again it runs" sink_becomes second RUNNING
    xdotool windowminimize "$game_window_id"
    check "$name: with the board minimised it sleeps" sink_becomes second SUSPENDED
    stop_process "$game_pid"
    stop_sound_server
}

use_private_session
start_xvfb
start_openbox
sox -n -r 22050 -c 1 -b 16 "$short_sound" synth 0.02 sine 660 vol 0.5

for server in pulseaudio:PulseAudio pipewire:PipeWire; do
    play_on_running_server "${server%%:*}" "${server#*:}"
    play_before_server_starts "${server%%:*}" "${server#*:}"
    hold_sleeping_output "${server%%:*}" "${server#*:}"
done

fail_if_any_check_failed
echo "All sound-server checks passed"
