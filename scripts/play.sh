#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Kwintor and starts it. The game keeps its files in build/release/run.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
build=$(preset_dir release)

build_preset release play
"$root/scripts/seed-run-dir.sh" "$build/run"
cd "$build/run"
exec "$build/game/kwintor"
