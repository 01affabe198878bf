// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "equation.h"

namespace kwintor {

// CurrentLevel of test mode, also after a game has ended.
inline constexpr std::int32_t TestMode = -1;

// What the player chose and how far a game has gone; the defaults are those
// of a fresh start.
struct Settings {
    std::int32_t CurrentLevel = TestMode;
    std::int32_t StartLevel = 1;
    std::uint8_t OperandCount = 2;
    kwintor::OperatorMask OperatorMask = AllOperators;
    // Test equations only; every game level takes its bound from the level table.
    std::uint8_t TestLargestOperand = 10;
};

}  // namespace kwintor
