#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the game, starts it on a virtual display with a window manager and
# saves a picture of the screen: scripts/screenshot.sh [out.png] [seconds]
# [keys…]; the keys (xdotool's names) are typed first, for example
# "alt+g Down Return" opens the best scores.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
out=$(realpath -m "${1:-screenshot.png}")
wait_seconds=${2:-3}
keys=("${@:3}")
build=$(preset_dir release)

build_preset release play test >/dev/null
# Whatever has started is stopped, however far the script got.
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true' EXIT
display=:$(( 90 + RANDOM % 9 ))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp &
pids+=($!)
sleep 1
DISPLAY=$display openbox &
pids+=($!)
sleep 1
"$root/scripts/seed-run-dir.sh" "$build/run"
(cd "$build/run" && DISPLAY=$display QT_QPA_PLATFORM=xcb exec "$build/game/kwintor") &
pids+=($!)
sleep "$wait_seconds"
if (( ${#keys[@]} )); then
    DISPLAY=$display xdotool key --delay 300 "${keys[@]}"
    sleep 1
fi
DISPLAY=$display import -window root "$out"
echo "$out"
