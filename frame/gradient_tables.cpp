// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gradient_tables.h"

#include <cmath>

namespace kwintor {

namespace {

constexpr int HeldBits = 40;

// Ties of exact products go to the even integer, as the FPU rounds by default.
int NearestEven(long double value) { return static_cast<int>(std::nearbyint(value)); }

int Channel(std::uint32_t rgb, int shift) { return static_cast<int>((rgb >> shift) & 0xFF); }

}  // namespace

long double HeldWith40Bits(long double value)
{
    int exponent = 0;
    const long double significand = std::frexp(value, &exponent);
    return std::ldexp(std::round(std::ldexp(significand, HeldBits)), exponent - HeldBits);
}

GradientTable BuildGradientTable(std::uint32_t start, std::uint32_t stop, int count)
{
    GradientTable table {};
    for (int shift : {0, 8, 16}) {
        const int from = Channel(start, shift);
        const long double step = HeldWith40Bits(static_cast<long double>(Channel(stop, shift) - from) /
                                                static_cast<long double>(count - 1));
        for (int j = 0; j < count; ++j) {
            const auto value = static_cast<std::uint32_t>(from + NearestEven(step * j)) & 0xFF;
            table[static_cast<std::size_t>(j)] |= value << shift;
        }
    }
    return table;
}

std::vector<int> BandEdges(int width, int count)
{
    const long double band = HeldWith40Bits(static_cast<long double>(width) / count);
    std::vector<int> edges;
    edges.reserve(static_cast<std::size_t>(count) + 1);
    for (int j = 0; j <= count; ++j)
        edges.push_back(NearestEven(band * j));
    return edges;
}

bool FillsInBands(int width, int count, bool paletteSurface) { return paletteSurface || width < count; }

}  // namespace kwintor
