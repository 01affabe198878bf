#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the whole test suite with AddressSanitizer, LeakSanitizer and
# UndefinedBehaviorSanitizer and runs it headless; any report fails it.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
build=$(preset_dir asan)

build_preset asan play test
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS="suppressions=$root/tests/sanitizer-suppressions.txt:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The soak test plays its full evening here.
export KWINTOR_SOAK_ROUNDS=10000
# The desktop tests drive the real components with the everyday build.
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --label-exclude desktop --output-on-failure --timeout 900
