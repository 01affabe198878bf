// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Loads the score file in the working directory, puts "Nowy" with 99 points
// at the top and saves it: a player's save, run by tst_score_table under
// another user's identity. Prints the error message, if any, and fails then.
#include <cstdio>
#include <exception>

#include "score_table.h"

int main()
{
    using namespace kwintor;
    try {
        LoadScoreTable();
        ScoreTable[1] = {QStringLiteral("Nowy"), 99};
        SaveScoreTable();
    } catch (const std::exception& error) {
        std::puts(error.what());
        return 1;
    }
    return 0;
}
