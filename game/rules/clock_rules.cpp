// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "clock_rules.h"

#include "settings.h"

namespace kwintor {

TickOutcome AfterTick(std::int32_t level, std::int32_t secondsLeft)
{
    if (level == TestMode)
        return {TestMode, 0, false};
    if (secondsLeft - 1 > 0)
        return {level, secondsLeft - 1, false};
    return {TestMode, 0, true};
}

SolvedOutcome AfterSolving(std::int32_t level, std::int32_t score)
{
    if (level == TestMode)
        return {TestMode, score};
    return {level + 1, score + 1};
}

}  // namespace kwintor
