// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace kwintor {

// Takes a finished game's score into the table when it beats entry 15 as
// loaded: asks for the player's name, sorts, saves and shows the table.
// Throws ScoreFileError when the file cannot be read or written.
void EnterBestScore(std::int32_t gameScore);

}  // namespace kwintor
