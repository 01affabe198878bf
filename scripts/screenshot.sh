#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the game, starts it on a virtual display with a window manager and
# saves a picture of the screen: scripts/screenshot.sh [out.png] [seconds]
# [keys…]; the keys (xdotool's names) are typed once the board shows, for
# example "alt+g Down Return" opens the best scores, and the picture is
# taken the given seconds (1 by default) after the board or the last key.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
source "$root/scripts/desktop-session.sh"
out=$(realpath -m "${1:-screenshot.png}")
wait_seconds=${2:-1}
keys=("${@:3}")
build=$(preset_dir release)

build_preset release play test >/dev/null
start_xvfb
start_openbox
"$root/scripts/seed-run-dir.sh" "$build/run"
start_logged game env -C "$build/run" QT_QPA_PLATFORM=xcb "$build/game/kwintor"
game_pid=$last_pid
timeout "$timeout_seconds" xdotool search --sync --all --onlyvisible --pid "$game_pid" --name '^Kwintor' >/dev/null ||
    fail "the board did not show: $(cat "$scratch/game.log")"
if (( ${#keys[@]} )); then
    xdotool key --delay 300 "${keys[@]}"
fi
# Nothing tells when the last frame is painted: the caller says how long.
sleep "$wait_seconds"
import -window root "$out"
echo "$out"
