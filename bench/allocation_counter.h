// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>

namespace kwintor::bench {

// How often the program has allocated from the free store so far. The bench
// binary replaces the global operator new and delete to keep this count.
std::size_t AllocationCount();

}  // namespace kwintor::bench
