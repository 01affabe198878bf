#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Kwintor with warnings as errors and runs the whole test suite: the
# unit tests headless, then the desktop tests against the real components.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build/test"

"$root/scripts/install-deps.sh" play test
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DKWINTOR_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build "$build" --parallel "$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --label-exclude desktop --output-on-failure --timeout 600
# The desktop tests drive real servers, a real screen reader and window
# managers on a machine that may be busy: one that fails gets a second run.
ctest --test-dir "$build" --label-regex desktop --output-on-failure --timeout 600 --repeat until-pass:2
