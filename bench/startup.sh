#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Times the game from process start to its first maximised frame against a
# one-label Qt program, on a 1920x1080 virtual display of its own with a
# window manager, so that maximising and zooming are real. Arguments go to
# bench/startup.py, for
# example --runs 21 or --json FILE.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/common.sh"
build_bench_targets kwintor_startup_probe kwintor_floor_probe

source "$root/scripts/desktop-session.sh"
# Today's common screen, where the game measures it and zooms to 2.
start_xvfb 1920x1080x24
start_openbox

"$root/scripts/seed-run-dir.sh" "$scratch/run"
# A sound server named but absent: the game's audio set-up fails at once
# instead of waiting on a server that is spawned or timing out.
export PULSE_SERVER="unix:$scratch/no-sound-server"
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$scratch"
python3 -B "$here/startup.py" --game "$bench_build/bench/kwintor_startup_probe" \
    --floor "$bench_build/bench/kwintor_floor_probe" --run-dir "$scratch/run" "$@"
