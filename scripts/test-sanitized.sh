#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the whole test suite with AddressSanitizer, LeakSanitizer and
# UndefinedBehaviorSanitizer and runs it headless; any report fails it.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build/sanitized"
flags="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all"

"$root/scripts/install-deps.sh" play test
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DKWINTOR_WARNINGS_AS_ERRORS=ON \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS="suppressions=$root/tests/sanitizer-suppressions.txt:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The soak test plays its full evening here.
export KWINTOR_SOAK_ROUNDS=10000
# The desktop tests drive the real components with the everyday build.
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --label-exclude desktop --output-on-failure --timeout 900
