// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace kwintor {

struct TickOutcome {
    std::int32_t level;
    std::int32_t secondsLeft;
    // The game's clock has run out: the level is already TestMode, so that
    // the ticks inside the game-over box cannot end the game again, and
    // this tick checks no answer.
    bool gameOver;
};

// One second of a round at `level` with `secondsLeft` on the clock: a game
// counts down, a test's clock stands at 0 and never ends anything.
TickOutcome AfterTick(std::int32_t level, std::int32_t secondsLeft);

struct SolvedOutcome {
    std::int32_t level;
    std::int32_t score;
};

// A solved equation: a point and the next level in a game, with no highest
// level; a test only brings the next equation.
SolvedOutcome AfterSolving(std::int32_t level, std::int32_t score);

}  // namespace kwintor
