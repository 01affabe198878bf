#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the game, starts it on a virtual display with a window manager and
# saves a picture of the screen: scripts/screenshot.sh [out.png] [seconds]
# [keys…]; the keys (xdotool's names) are typed first, for example
# "alt+g Down Return" opens the best scores.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=$(realpath -m "${1:-screenshot.png}")
wait_seconds=${2:-3}
keys=("${@:3}")
build="$root/build/play"

"$root/scripts/install-deps.sh" play test
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --parallel "$(nproc)" >/dev/null

display=:$(( 90 + RANDOM % 9 ))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp &
xvfb=$!
trap 'kill $game $wm $xvfb 2>/dev/null || true' EXIT
sleep 1
DISPLAY=$display openbox &
wm=$!
sleep 1
"$root/scripts/seed-run-dir.sh" "$build/run"
(cd "$build/run" && DISPLAY=$display QT_QPA_PLATFORM=xcb exec "$build/game/kwintor") &
game=$!
sleep "$wait_seconds"
if (( ${#keys[@]} )); then
    DISPLAY=$display xdotool key --delay 300 "${keys[@]}"
    sleep 1
fi
DISPLAY=$display import -window root "$out"
echo "$out"
