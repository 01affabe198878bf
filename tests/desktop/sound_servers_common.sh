# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Sourced after common.sh by what plays the game's sound on a real server:
# a PulseAudio, or a PipeWire with pipewire-pulse and WirePlumber, each with
# its own runtime folder and session bus and two null sinks, "first" and
# "second", of which the second is the default. The sinks are kept running,
# so that their monitors record all along, unless the server is started
# with "sleeping": then they are put to sleep when idle, as on a player's
# desktop. Clients, the game among them, find it through PULSE_SERVER;
# every process is stopped by its id.

sound_server_pids=()

# A runtime folder, state folder (where WirePlumber keeps volumes and
# defaults) and bus of the server's own; PULSE_SERVER names the socket it
# will listen on, so that a client started before it finds none.
use_sound_server_session() {
    # shellcheck disable=SC2154 # scratch is set by desktop-session.sh, sourced first
    export XDG_RUNTIME_DIR="$scratch/$1-runtime" XDG_STATE_HOME="$scratch/$1-state"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    start_session_bus
    export PULSE_SERVER="unix:$XDG_RUNTIME_DIR/pulse/native"
}

start_sound_process() {
    start_logged "$@"
    sound_server_pids+=("$last_pid")
}

server_answers() { pactl info >/dev/null 2>&1; }

sinks_are_there() {
    local sinks
    sinks=$(pactl list short sinks 2>/dev/null | cut -f 2)
    grep -qx first <<<"$sinks" && grep -qx second <<<"$sinks"
}

second_is_default() { [[ $(pactl get-default-sink 2>/dev/null) == second ]]; }

# PulseAudio's idle null sink hands its monitor nothing, and a sound that
# wakes it loses a different share of its start each time: a silent stream
# on each sink keeps both running, so that every sound is cut alike.
keep_sinks_running() {
    local sink
    for sink in first second; do
        start_sound_process "silence-$sink" pacat --playback --device="$sink" --latency-msec=10 \
            --format=s16le --rate=48000 --channels=1 --raw /dev/zero
    done
}

# The state of SINK as pactl names it: RUNNING, IDLE or SUSPENDED.
sink_state() { pactl list short sinks 2>/dev/null | awk -v sink="$1" '$2 == sink {print $NF}'; }

sink_is() { [[ $(sink_state "$1") == "$2" ]]; }

# make_sinks_ready [sleeping]
make_sinks_ready() {
    wait_until sinks_are_there || fail "the null sinks did not appear: $(pactl list short sinks 2>&1)"
    pactl set-default-sink second
    wait_until second_is_default || fail "the second sink did not become the default"
    [[ ${1:-} == sleeping ]] || keep_sinks_running
}

# As root PulseAudio loads no default script: only the modules named here.
# Sleeping sinks are suspended after 2 s idle, sooner than a player's 5 s.
# start_pulseaudio [sleeping]
start_pulseaudio() {
    local sleep_when_idle=()
    [[ ${1:-} != sleeping ]] || sleep_when_idle=(-L "module-suspend-on-idle timeout=2")
    mkdir -p "$XDG_RUNTIME_DIR/pulse"
    start_sound_process pulseaudio pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
        -L "module-native-protocol-unix auth-anonymous=1 socket=${PULSE_SERVER#unix:}" \
        -L "module-null-sink sink_name=first" -L "module-null-sink sink_name=second" "${sleep_when_idle[@]}"
    wait_until server_answers || fail "PulseAudio did not start: $(cat "$scratch/pulseaudio.log")"
    make_sinks_ready "$@"
}

pipewire_answers() { pw-cli info 0 >/dev/null 2>&1; }

# pipewire-pulse listens on $XDG_RUNTIME_DIR/pulse/native, where
# PULSE_SERVER points; the sinks are made through it as a player's
# pactl would make them. WirePlumber puts an idle sink to sleep after 5 s.
# start_pipewire [sleeping]
start_pipewire() {
    start_sound_process pipewire pipewire
    wait_until pipewire_answers || fail "PipeWire did not start: $(cat "$scratch/pipewire.log")"
    start_sound_process wireplumber wireplumber
    start_sound_process pipewire-pulse pipewire-pulse
    wait_until server_answers || fail "pipewire-pulse did not start: $(cat "$scratch/pipewire-pulse.log")"
    pactl load-module module-null-sink sink_name=first >/dev/null
    pactl load-module module-null-sink sink_name=second >/dev/null
    make_sinks_ready "$@"
}

# Stops the server's processes, newest first, and waits until its socket
# takes no connection.
stop_sound_server() {
    local index
    for (( index = ${#sound_server_pids[@]} - 1; index >= 0; --index )); do
        stop_process "${sound_server_pids[index]}"
    done
    sound_server_pids=()
    ! server_answers || fail "the sound server still answers once stopped"
}

# Records SINK's monitor into FILE as 48 kHz mono 16-bit raw samples; a
# short latency keeps parec's buffered tail small, since it is killed.
start_recording() {
    local sink=$1 file=$2
    start_logged "record-$sink" parec --device="$sink.monitor" --latency-msec=10 \
        --format=s16le --rate=48000 --channels=1 --raw "$file"
    recording_pids+=("$last_pid")
}
recording_pids=()

# A recorder loses what it has not yet read when it is stopped, and on a
# busy machine it falls behind: it is given a second to catch up first.
stop_recordings() {
    local pid
    sleep 1
    for pid in "${recording_pids[@]}"; do
        stop_process "$pid"
    done
    recording_pids=()
}
