// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace kwintor {

// Seeds the generator's random source from the time of day (UTC) in
// milliseconds since midnight, as the source does by itself at its first draw.
void SeedRandom();

// Seeds it with a fixed value, so that tests can repeat a sequence.
void SeedRandom(std::uint32_t seed);

// A uniform whole number from 0 to bound - 1; bound must be at least 1.
std::uint32_t DrawBelow(std::uint32_t bound);

}  // namespace kwintor
