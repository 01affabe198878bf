#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs clang-tidy with .clang-tidy over every source file of the debug build
# (the game, its libraries and the tests); any finding fails it.
# Usage: scripts/check-tidy.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
build=$(preset_dir debug)

build_preset debug play test check >/dev/null
# The folders the layer check ranks, with the tests; their headers with the
# benchmarks' too.
folders=$("$root/scripts/check-layers.sh" --folders | cut -d/ -f1 | sort -u | paste -s -d'|')
run-clang-tidy -p "$build" -quiet -j "$(nproc)" -header-filter="/($folders|tests|bench)/([^/]+/)?[^/]*\.h\$" \
    "^$root/($folders|tests)/"
