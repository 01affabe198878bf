# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Sourced by the bench scripts: where the project and the Release build of
# the benchmarks are (KWINTOR_BENCH_BUILD moves the build), and how to build
# some of its targets.
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"
bench_build=$(realpath -m "${KWINTOR_BENCH_BUILD:-$(preset_dir bench)}")

# The build's chatter goes to stderr, leaving stdout to the figures.
build_bench_targets() {
    {
        "$root/scripts/install-deps.sh" play test bench
        (cd "$root" && cmake --preset bench -B "$bench_build" >/dev/null)
        cmake --build "$bench_build" --parallel "$(nproc)" --target "$@"
    } >&2
}
