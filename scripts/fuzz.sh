#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang and runs each for SECONDS
# (default 60) from the corpora kept in tests/fuzz/corpus; a crash, hang,
# leak or sanitizer report fails it. Usage: scripts/fuzz.sh [SECONDS]
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
seconds=${1:-60}
build=$(preset_dir fuzz)
targets=(fuzz_evaluator fuzz_score_file fuzz_wave_format)

build_preset fuzz play fuzz -- "${targets[@]}"
for target in "${targets[@]}"; do
    # New finds go to a scratch folder, so the kept corpus changes only by hand.
    scratch=$(mktemp -d)
    "$build/tests/fuzz/$target" -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$build/$target-" "$scratch" "$root/tests/fuzz/corpus/$target"
    rm -rf "$scratch"
done
