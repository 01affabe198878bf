#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Google Benchmark programs in Release and runs them, the engine's
# and then the board's, with their own output; arguments go to both, for
# example --benchmark_filter=GenerateRound. bench/figures.sh gives the table.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
build_bench_targets kwintor_bench kwintor_game_bench
"$bench_build/bench/kwintor_bench" "$@"
"$bench_build/bench/kwintor_game_bench" "$@"
