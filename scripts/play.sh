#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Kwintor and starts it. The game keeps its files in build/play/run.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build/play"

"$root/scripts/install-deps.sh" play
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --parallel "$(nproc)"
"$root/scripts/seed-run-dir.sh" "$build/run"
cd "$build/run"
exec "$build/game/kwintor"
