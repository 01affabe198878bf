// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "random_source.h"

#include <chrono>
#include <random>

namespace kwintor {

namespace {

std::uint32_t MillisecondsSinceMidnightUtc()
{
    using namespace std::chrono;
    const auto sinceEpoch = duration_cast<milliseconds>(system_clock::now().time_since_epoch());
    return static_cast<std::uint32_t>(sinceEpoch.count() % duration_cast<milliseconds>(days {1}).count());
}

// Seeded from the clock at its first draw, so that every game differs.
std::mt19937& Source()
{
    static std::mt19937 source {MillisecondsSinceMidnightUtc()};
    return source;
}

}  // namespace

void SeedRandom() { SeedRandom(MillisecondsSinceMidnightUtc()); }

void SeedRandom(std::uint32_t seed) { Source().seed(seed); }

std::uint32_t DrawBelow(std::uint32_t bound)
{
    return std::uniform_int_distribution<std::uint32_t>(0, bound - 1)(Source());
}

}  // namespace kwintor
