// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QChar>

#include <functional>

#include "score_table.h"

namespace kwintor {

// Gives a score file piece by piece, each piece valid until the next call,
// and an empty piece at the end.
using ScoreFileSource = std::function<QByteArrayView()>;

// Reads the entries of a score file into `table`, entry 1 first, by the
// lenient rules the game has always read with: a name runs to the next CR,
// a score is a whole number after any control characters, byte 26 ends
// the file, and what the file lacks comes out as empty entries. Throws
// ScoreFileError(InvalidNumericInput) at a bad score, with the entries
// before it and the failing entry's name already replaced. It stops asking
// `source` once the fifteen entries are read: whatever follows them costs
// nothing.
void ReadScoreFile(const ScoreFileSource& source, ScoreTableEntries& table);

// The same for a file held whole in memory.
void ReadScoreFile(const QByteArray& bytes, ScoreTableEntries& table);

// True when Windows-1250 holds `character` and writing it cannot end a
// line or the file early (CR and byte 26 can).
bool IsStorableInScoreFile(QChar character);

// The file as the game writes it: Windows-1250, CR LF after every line.
// A character that would break the file (one the code page lacks, CR,
// byte 26) is written as "?".
QByteArray WriteScoreFile(const ScoreTableEntries& table);

}  // namespace kwintor
