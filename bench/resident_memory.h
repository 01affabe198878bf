// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace kwintor::bench {

// This process's VmRSS in kB, as /proc/self/status gives it; -1 when that
// cannot be read.
long long ResidentKilobytes();

}  // namespace kwintor::bench
