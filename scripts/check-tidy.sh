#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs clang-tidy with .clang-tidy over every source file of the debug build
# (the game, its libraries and the tests); any finding fails it.
# Usage: scripts/check-tidy.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
build=$(preset_dir debug)

build_preset debug play test check >/dev/null
run-clang-tidy -p "$build" -quiet -j "$(nproc)" "^$root/(engine|sound|desktop|boxes|widgets|frame|dialogs|scores|game|tests)/"
