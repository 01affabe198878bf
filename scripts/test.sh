#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Kwintor with warnings as errors and runs the whole test suite headless.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build/test"

"$root/scripts/install-deps.sh" play test
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DKWINTOR_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build "$build" --parallel "$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure --timeout 600
