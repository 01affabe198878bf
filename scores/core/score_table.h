// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <cstdint>

#include "numbered_array.h"

namespace kwintor {

struct Twynik {
    QString Name;
    std::uint16_t Score = 0;
};

inline constexpr std::size_t ScoreTableSize = 15;
using ScoreTableEntries = NumberedArray<Twynik, ScoreTableSize>;

// The fifteen best games, entry 1 the best. It mirrors the score file as
// last loaded: every use loads it first.
extern ScoreTableEntries ScoreTable;

// "wyniki.naj" in the working directory.
extern const QString ScoreFileName;

// Each throws ScoreFileError when the file cannot be opened, read, written
// or closed, or holds a score that is not a whole number.
void LoadScoreTable();
void SaveScoreTable();

// Highest score first; entries with equal scores keep their order.
void SortScoreTable();

// Another game may have saved since this one loaded the table, so these
// load it again under the score file's lock and save before letting go.
// Both throw ScoreFileBusy when another game holds the lock too long.

// Puts `entry` in place of entry 15 if it still beats it, sorts and saves;
// false, with nothing written, when the other games' saves pushed it out.
bool EnterIntoScoreFile(const Twynik& entry);

// Saves the table as the file holds it now, in the game's own form.
void SaveScoreFileAgain();

}  // namespace kwintor
