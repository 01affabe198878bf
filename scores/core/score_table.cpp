// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "score_table.h"

#include <QFile>

#include <array>
#include <cerrno>
#include <unistd.h>
#include <utility>

#include "file_replacement.h"
#include "score_file_error.h"
#include "score_file_format.h"
#include "score_file_lock.h"
#include "system_calls.h"

namespace kwintor {

ScoreTableEntries ScoreTable;
const QString ScoreFileName = QStringLiteral("wyniki.naj");

namespace {

// Read with the system's own calls, piece by piece: the game reports their
// error codes, which QFile does not keep, and a huge file costs no memory.
class ScoreFileOnDisk {
public:
    explicit ScoreFileOnDisk(const QString& fileName)
        : descriptor_(OpenForReading(QFile::encodeName(fileName)))
    {
    }

    QByteArrayView NextPiece()
    {
        for (;;) {
            const ssize_t count = ::read(descriptor_, buffer_.data(), buffer_.size());
            if (count >= 0)
                return QByteArrayView(buffer_.data(), count);
            if (errno != EINTR)
                RaiseLastSystemError();
        }
    }

    void Close() { CloseOrRaise(descriptor_); }

private:
    Descriptor descriptor_;
    std::array<char, std::size_t {16} * 1024> buffer_;
};

}  // namespace

void LoadScoreTable()
{
    ScoreFileOnDisk file(ScoreFileName);
    ReadScoreFile([&file] { return file.NextPiece(); }, ScoreTable);
    file.Close();
}

void SaveScoreTable() { ReplaceFile(ScoreFileName, WriteScoreFile(ScoreTable)); }

void SortScoreTable()
{
    for (std::size_t pass = 1; pass < ScoreTableSize; ++pass)
        for (std::size_t j = ScoreTableSize - 1; j >= pass; --j)
            if (ScoreTable[j].Score < ScoreTable[j + 1].Score)
                std::swap(ScoreTable[j], ScoreTable[j + 1]);
}

bool EnterIntoScoreFile(const Twynik& entry)
{
    const ScoreFileLock lock(ScoreFileName);
    LoadScoreTable();
    if (entry.Score <= ScoreTable[ScoreTableSize].Score)
        return false;
    ScoreTable[ScoreTableSize] = entry;
    SortScoreTable();
    SaveScoreTable();
    return true;
}

void SaveScoreFileAgain()
{
    const ScoreFileLock lock(ScoreFileName);
    LoadScoreTable();
    SaveScoreTable();
}

}  // namespace kwintor
