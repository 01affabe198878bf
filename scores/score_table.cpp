#include "score_table.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "score_file_error.h"
#include "score_file_format.h"

namespace kwintor {

ScoreTableEntries ScoreTable;
const QString ScoreFileName = QStringLiteral("wyniki.naj");

namespace {

// The errno of the call that just failed, as the error the game reports;
// read it before any clean-up call can change it.
ScoreFileError LastSystemError()
{
    const int systemError = errno;
    return ScoreFileError::FromErrno(systemError != 0 ? systemError : EIO);
}

[[noreturn]] void RaiseSystemError() { throw LastSystemError(); }

// Root may write any file, so a read-only score file is told by its
// permission bits rather than by a failing open.
bool IsReadOnly(const QString& fileName)
{
    const QFileInfo file(fileName);
    return file.exists() && !(file.permissions() & QFileDevice::WriteOwner);
}

// A folder removed while the game runs in it still stands for the game,
// with no links left; QSaveFile then fails with an unhelpful EPERM or ENOENT.
bool IsFolderRemoved(const QString& folder)
{
    struct stat status {};
    return ::stat(QFile::encodeName(folder).constData(), &status) != 0 || status.st_nlink == 0;
}

// Read with the system's own calls: the game reports their error codes,
// which QFile does not keep.
QByteArray ReadWholeFile(const QString& fileName)
{
    const int descriptor = ::open(QFile::encodeName(fileName).constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        RaiseSystemError();
    QByteArray bytes;
    char buffer[4096];
    for (;;) {
        const ssize_t count = ::read(descriptor, buffer, sizeof buffer);
        if (count == 0)
            break;
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0) {
            const ScoreFileError error = LastSystemError();
            ::close(descriptor);
            throw error;
        }
        bytes.append(buffer, count);
    }
    if (::close(descriptor) != 0)
        RaiseSystemError();
    return bytes;
}

}  // namespace

void LoadScoreTable() { ReadScoreFile(ReadWholeFile(ScoreFileName), ScoreTable); }

// The new file is written whole beside the old one and then takes its
// place, so a save that fails midway leaves the old scores as they were.
void SaveScoreTable()
{
    if (IsReadOnly(ScoreFileName))
        throw ScoreFileError(ScoreFileError::AccessDenied);
    QSaveFile file(ScoreFileName);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        if (IsFolderRemoved(QFileInfo(ScoreFileName).path()))
            throw ScoreFileError(ScoreFileError::InvalidFilename);
        RaiseSystemError();
    }
    const QByteArray bytes = WriteScoreFile(ScoreTable);
    errno = 0;
    // Flushed before the commit: QSaveFile commits a file whose buffered
    // data could not all be written, reporting success.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const ScoreFileError error = LastSystemError();
        file.cancelWriting();
        throw error;
    }
    if (!file.commit())
        RaiseSystemError();
}

void SortScoreTable()
{
    for (std::size_t pass = 1; pass < ScoreTableSize; ++pass)
        for (std::size_t j = ScoreTableSize - 1; j >= pass; --j)
            if (ScoreTable[j].Score < ScoreTable[j + 1].Score)
                std::swap(ScoreTable[j], ScoreTable[j + 1]);
}

}  // namespace kwintor
