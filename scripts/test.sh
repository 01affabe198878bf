#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Kwintor with warnings as errors and runs the whole test suite: the
# unit tests headless, then the desktop tests against the real components.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
build=$(preset_dir debug)

build_preset debug play test
(cd "$root" && ctest --preset debug)
# The desktop tests drive real servers, a real screen reader and window
# managers, one at a time: each runs once, and one that fails on a busy
# machine has found a fault.
ctest --test-dir "$build" --label-regex desktop --output-on-failure --timeout 600
