#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Times a drop on the board to its sound at the default sink, on a PulseAudio
# and then on a PipeWire of its own, each with two null sinks of which the
# second is the default, as the sound-server test starts them with sinks
# that sleep when idle; then the drops after 10 s of quiet and the idle
# game's CPU share with its output held:
#   bench/drop_sound.sh [--json-dir DIR] [--drops N]
# With --json-dir, each server's latencies go to DIR/drop_sound_SERVER.json.
# Needs no display: the board is headless. Exits 2 when a drop was not
# heard, after both servers.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/common.sh"
json_dir=''
if [[ ${1:-} == --json-dir ]]; then
    json_dir=$(realpath -m "$2")
    mkdir -p "$json_dir"
    shift 2
fi
build_bench_targets kwintor_drop_sound_bench

source "$root/tests/desktop/common.sh"
source "$root/tests/desktop/sound_servers_common.sh"
use_private_session
"$root/scripts/seed-run-dir.sh" "$scratch/run"

server_label() {
    case $1 in
        pulseaudio) echo "PulseAudio $(pulseaudio --version | cut -d ' ' -f 2)" ;;
        pipewire) echo "PipeWire $(pipewire --version | sed -n 's/^Linked with libpipewire //p')" ;;
    esac
}

status=0
for server in pulseaudio pipewire; do
    use_sound_server_session "$server"
    "start_$server" sleeping
    label=$(server_label "$server")
    echo "$label:"
    output=()
    [[ -z $json_dir ]] || output=(--json "$json_dir/drop_sound_$server.json")
    (cd "$scratch/run" && QT_QPA_PLATFORM=offscreen "$bench_build/bench/kwintor_drop_sound_bench" \
        --server "$label" --monitor "$(pactl get-default-sink).monitor" "${output[@]}" "$@") || status=$?
    (( status != 1 )) || fail "the drop-sound benchmark could not run on $label"
    stop_sound_server
done
exit "$status"
