#pragma once

#include <QByteArray>
#include <QChar>

#include "score_table.h"

namespace kwintor {

// Reads the entries of a score file into `table`, entry 1 first, by the
// lenient rules the game has always read with: a name runs to the next CR,
// a score is a whole number after any control characters, byte 26 ends
// the file, and what the file lacks comes out as empty entries. Throws
// ScoreFileError(InvalidNumericInput) at a bad score, with the entries
// before it and the failing entry's name already replaced.
void ReadScoreFile(const QByteArray& bytes, ScoreTableEntries& table);

// True when Windows-1250 holds `character` and writing it cannot end a
// line or the file early (CR and byte 26 can).
bool IsStorableInScoreFile(QChar character);

// The file as the game writes it: Windows-1250, CR LF after every line.
// A character that would break the file (one the code page lacks, CR,
// byte 26) is written as "?".
QByteArray WriteScoreFile(const ScoreTableEntries& table);

}  // namespace kwintor
