// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>

#include "equation.h"

namespace kwintor {

// What a level asks of its equations. A row without an operand count keeps
// the count the game already has; one without a mask uses the player's.
struct LevelRow {
    std::uint8_t LargestOperand;
    std::optional<std::uint8_t> OperandCount;
    std::optional<OperatorMask> GenerationMask;
};

struct LevelRange {
    std::int32_t First;
    std::int32_t Last;
    LevelRow Row;
};

inline constexpr LevelRange LevelTable[] = {
    {1, 1, {20, 2, 15}},  {2, 2, {5, 3, 12}},    {3, 3, {10, 3, 14}},   {4, 4, {10, 3, 15}},
    {11, 11, {8, 4, 15}}, {15, 20, {12, 4, 15}}, {21, 30, {12, 5, 15}}, {31, 31, {18, 5, 15}},
};

// Every level the table does not name, test mode (-1) among them.
inline constexpr LevelRow DefaultLevelRow {10, std::nullopt, std::nullopt};

constexpr LevelRow LevelRowFor(std::int32_t level)
{
    for (const LevelRange& range : LevelTable)
        if (level >= range.First && level <= range.Last)
            return range.Row;
    return DefaultLevelRow;
}

}  // namespace kwintor
