#!/usr/bin/env bash
# Builds the benchmarks in Release and runs them, the engine's and then the
# board's; arguments go to both, for example --benchmark_filter=GenerateRound.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build/bench"

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DKWINTOR_BUILD_BENCHMARKS=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target kwintor_bench kwintor_game_bench
"$build/bench/kwintor_bench" "$@"
"$build/bench/kwintor_game_bench" "$@"
