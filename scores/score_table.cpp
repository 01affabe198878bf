#include "score_table.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

#include "file_replacement.h"
#include "score_file_error.h"
#include "score_file_format.h"

namespace kwintor {

ScoreTableEntries ScoreTable;
const QString ScoreFileName = QStringLiteral("wyniki.naj");

namespace {

// Read with the system's own calls: the game reports their error codes,
// which QFile does not keep.
QByteArray ReadWholeFile(const QString& fileName)
{
    const int descriptor = ::open(QFile::encodeName(fileName).constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        RaiseLastSystemError();
    QByteArray bytes;
    char buffer[4096];
    for (;;) {
        const ssize_t count = ::read(descriptor, buffer, sizeof buffer);
        if (count == 0)
            break;
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0) {
            const int systemError = errno;
            ::close(descriptor);
            throw ScoreFileError::FromErrno(systemError);
        }
        bytes.append(buffer, count);
    }
    if (::close(descriptor) != 0)
        RaiseLastSystemError();
    return bytes;
}

}  // namespace

void LoadScoreTable() { ReadScoreFile(ReadWholeFile(ScoreFileName), ScoreTable); }

void SaveScoreTable() { ReplaceFile(ScoreFileName, WriteScoreFile(ScoreTable)); }

void SortScoreTable()
{
    for (std::size_t pass = 1; pass < ScoreTableSize; ++pass)
        for (std::size_t j = ScoreTableSize - 1; j >= pass; --j)
            if (ScoreTable[j].Score < ScoreTable[j + 1].Score)
                std::swap(ScoreTable[j], ScoreTable[j + 1]);
}

}  // namespace kwintor
