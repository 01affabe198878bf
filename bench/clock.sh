#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Times 40 ticks of the game's clock against the monotonic clock, beside a
# plain QTimer, first on the machine as it is and then with stress-ng
# keeping both cores busy: bench/clock.sh [TICKS]
# Each run takes TICKS seconds (40 unless told).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/common.sh"
build_bench_targets kwintor_clock_bench
source "$root/tests/desktop/common.sh"

load_average() { cut -d ' ' -f 1 /proc/loadavg; }

echo "As it is, load average $(load_average):"
"$bench_build/bench/kwintor_clock_bench" "$@"

# Its own time limit too, should nothing stop it.
start_logged stress-ng stress-ng --cpu 2 --timeout 600s
sleep 5
echo "With stress-ng --cpu 2, load average $(load_average):"
"$bench_build/bench/kwintor_clock_bench" "$@"
