#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds every benchmark in Release, runs them all and prints their figures
# as one Markdown table of medians and ratios on stdout, with the machine it
# ran on; builds and the benchmarks' own output go to stderr.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/common.sh"
build_bench_targets kwintor_bench kwintor_game_bench kwintor_memory_bench

results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT
as_json() { "$1" --benchmark_out="$2" --benchmark_out_format=json >&2; }
as_json "$bench_build/bench/kwintor_bench" "$results/engine.json"
as_json "$bench_build/bench/kwintor_game_bench" "$results/board.json"
"$here/startup.sh" --json "$results/startup.json" >&2
# A drop not heard is a figure too: the table says so.
"$here/drop_sound.sh" --json-dir "$results" >&2 || [[ $? == 2 ]]

"$root/scripts/seed-run-dir.sh" "$results/run"
(cd "$results/run" && "$bench_build/bench/kwintor_memory_bench") >"$results/memory.txt"

python3 -B "$here/figures.py" "$results" "$bench_build"
