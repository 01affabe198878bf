#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Kwintor with warnings as errors and runs the whole test suite: the
# unit tests headless, then the desktop tests against the real components.
# With --without-load it leaves out the desktop tests that keep both
# processors busy on purpose (CTest label load).
# Usage: scripts/test.sh [--without-load]
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
build=$(preset_dir debug)
leave_out=()
case ${1:-} in
    '') ;;
    --without-load) leave_out=(--label-exclude load) ;;
    *) echo "usage: scripts/test.sh [--without-load]" >&2; exit 2 ;;
esac

build_preset debug play test
(cd "$root" && ctest --preset debug)
# The desktop tests drive real servers, a real screen reader and window
# managers, one at a time: each runs once, and one that fails on a busy
# machine has found a fault.
ctest --test-dir "$build" --label-regex desktop "${leave_out[@]}" --output-on-failure --timeout 600
