#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang and runs each for SECONDS
# (default 60) from the corpora kept in tests/fuzz/corpus; a crash, hang,
# leak or sanitizer report fails it. Usage: scripts/fuzz.sh [SECONDS]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-60}
build="$root/build/fuzz"

"$root/scripts/install-deps.sh" play fuzz
cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBUILD_TESTING=OFF -DKWINTOR_FUZZ=ON -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined" >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target fuzz_evaluator fuzz_score_file
for target in fuzz_evaluator fuzz_score_file; do
    # New finds go to a scratch folder, so the kept corpus changes only by hand.
    scratch=$(mktemp -d)
    "$build/tests/fuzz/$target" -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$build/$target-" "$scratch" "$root/tests/fuzz/corpus/$target"
    rm -rf "$scratch"
done
