// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <chrono>

#include "descriptor.h"
#include "error.h"

namespace kwintor {

// Another game held the score file for longer than we waited.
class ScoreFileBusy : public Error {
public:
    ScoreFileBusy();
};

// Held by a game from reading the score file for a change until that change
// is saved, so that no two games' changes interleave. The system lets go of
// it when the game ends, however it ends.
class ScoreFileLock {
public:
    // A save holds the file for milliseconds; one held for longer than this
    // belongs to a game that hangs or has been stopped.
    static constexpr std::chrono::milliseconds Patience {3000};

    // Throws ScoreFileBusy after `patience`, and ScoreFileError when the file
    // cannot be opened.
    explicit ScoreFileLock(const QString& fileName, std::chrono::milliseconds patience = Patience);

private:
    Descriptor held_;
};

}  // namespace kwintor
