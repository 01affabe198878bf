// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace kwintor {

inline constexpr int MinGradientColors = 8;
inline constexpr int MaxGradientColors = 512;

// Resolved 0x00BBGGRR colours; only the first GradientColors entries count.
using GradientTable = std::array<std::uint32_t, MaxGradientColors>;

// `value` rounded to a 40-bit significand, halves away from zero. The
// caption arithmetic is held at this precision so that its ties fall the
// way the classic desktop's did.
long double HeldWith40Bits(long double value);

// `count` colours evenly from `start` to `stop` (both resolved), channel by
// channel; the first entry is `start`, the last `stop`.
GradientTable BuildGradientTable(std::uint32_t start, std::uint32_t stop, int count);

// The columns where the `count` bands of a `width`-pixel bar begin, and the
// end of the last one: count + 1 values from 0 to `width`.
std::vector<int> BandEdges(int width, int count);

// Bands where a stretched strip would lose colours, or on palette surfaces.
bool FillsInBands(int width, int count, bool paletteSurface);

}  // namespace kwintor
