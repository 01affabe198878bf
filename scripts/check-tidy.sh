#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs clang-tidy with .clang-tidy over every source file of the debug build
# (the game, its libraries and the tests), or over the named ones; any
# finding fails it. It takes the newest clang-tidy installed: from 22 on it
# leaves the system headers' code unmatched, where 14 spent nine tenths of its time.
# Usage: scripts/check-tidy.sh [SOURCE-FILE…]
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
build=$(preset_dir debug)

build_preset debug play test check >/dev/null
# The folders the layer check ranks, with the tests; their headers with the
# benchmarks' too.
folders=$("$root/scripts/check-layers.sh" --folders | cut -d/ -f1 | sort -u | paste -s -d'|')
files=("^$root/($folders|tests)/")
(( $# )) && files=("$@")
version=$(compgen -c clang-tidy- | sed -n 's/^clang-tidy-\([0-9]*\)$/\1/p' | sort -n | tail -1)
tidy=clang-tidy${version:+-$version}
echo "check-tidy: $("$tidy" --version | grep -m1 -o 'version [0-9.]*')"
"run-$tidy" -clang-tidy-binary "$(command -v "$tidy")" \
    -p "$build" -quiet -j "$(nproc)" -header-filter="/($folders|tests|bench)/([^/]+/)?[^/]*\.h\$" "${files[@]}"
