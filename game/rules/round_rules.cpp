// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "round_rules.h"

#include "level_table.h"

namespace kwintor {

namespace {

constexpr std::int32_t SecondsPerOperand = 20;

// A mask without any operator could never give an equation (the generator
// would refuse it); such a round uses all four operators instead.
OperatorMask GeneratableMask(OperatorMask mask) { return (mask & AllOperators) != 0 ? mask : AllOperators; }

}  // namespace

RoundRules RoundFor(const Settings& settings)
{
    const LevelRow row = LevelRowFor(settings.CurrentLevel);
    const bool testMode = settings.CurrentLevel == TestMode;
    const std::uint8_t operandCount = row.OperandCount.value_or(settings.OperandCount);
    return {operandCount, GeneratableMask(row.GenerationMask.value_or(settings.OperatorMask)),
            testMode ? settings.TestLargestOperand : row.LargestOperand,
            testMode ? 0 : operandCount * SecondsPerOperand};
}

}  // namespace kwintor
