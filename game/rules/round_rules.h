// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "settings.h"

namespace kwintor {

// What the next round asks of its equation and how long it lasts.
struct RoundRules {
    std::uint8_t operandCount;
    OperatorMask mask;
    std::uint8_t largestOperand;
    std::int32_t seconds;  // 0 in a test, which has no clock
};

// The round of the settings' CurrentLevel from the level table. A level
// without an operand count keeps the count the game has; a test takes its
// count, operators and bound from the test dialog. Every round may use some
// operator, since the generator refuses a mask without any.
RoundRules RoundFor(const Settings& settings);

}  // namespace kwintor
