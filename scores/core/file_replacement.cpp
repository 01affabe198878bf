// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "file_replacement.h"

#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include <cctype>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>

#include "score_file_error.h"
#include "system_calls.h"

namespace kwintor {

namespace {

constexpr int RandomLetters = 6;  // what mkostemp puts in place of "XXXXXX"

// Why a save took a way other than the usual new file and rename, for a
// player who asks why their scores' file changed owner or survived a crash
// badly: silent below critical unless QT_LOGGING_RULES asks.
Q_LOGGING_CATEGORY(ScoreFileLog, "kwintor.scorefile", QtCriticalMsg)

QString SystemMessage(int systemError)
{
    return QString::fromStdString(std::generic_category().message(systemError));
}

[[noreturn]] void Raise(int systemError) { throw ScoreFileError::FromErrno(systemError); }

// Removed again unless the save gets as far as renaming it.
class TemporaryName {
public:
    explicit TemporaryName(const QByteArray& name)
        : name_(name)
    {
    }
    TemporaryName(const TemporaryName&) = delete;
    TemporaryName& operator=(const TemporaryName&) = delete;
    ~TemporaryName()
    {
        if (!name_.isEmpty())
            ::unlink(name_.constData());
    }
    void Keep() { name_.clear(); }

private:
    QByteArray name_;
};

// As the game always saved: through symbolic links to the file they name.
QString ResolvedPath(const QString& fileName)
{
    QFileInfo file(fileName);
    for (int depth = 0; depth < 40 && file.isSymLink(); ++depth)
        file.setFile(file.symLinkTarget());
    return file.isSymLink() ? fileName : file.filePath();
}

void WriteAll(int descriptor, const QByteArray& bytes)
{
    for (qsizetype written = 0; written < bytes.size();) {
        const auto left = static_cast<std::size_t>(bytes.size() - written);
        const ssize_t count = ::write(descriptor, bytes.constData() + written, left);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            RaiseLastSystemError();
        if (count == 0)
            Raise(ENOSPC);
        written += count;
    }
}

// Root may write any file, so for root the owner's write bit decides, as
// the player would expect from the file's look.
bool MayWrite(const QByteArray& path, const struct stat& status)
{
    if (::geteuid() == 0)
        return status.st_mode & S_IWUSR;
    if (::faccessat(AT_FDCWD, path.constData(), W_OK, AT_EACCESS) == 0)
        return true;
    if (errno != EACCES)
        RaiseLastSystemError();
    return false;
}

// The mode a file created by open() with 0666 would get.
mode_t NewFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// False when the new file cannot have the old one's owner and group: only
// writing over the old file keeps them then.
bool TakeOverOwnerAndMode(int descriptor, const struct stat* existing)
{
    if (!existing) {
        if (::fchmod(descriptor, NewFileMode()) != 0)
            RaiseLastSystemError();
        return true;
    }
    struct stat fresh { };
    if (::fstat(descriptor, &fresh) != 0)
        RaiseLastSystemError();
    if ((fresh.st_uid != existing->st_uid || fresh.st_gid != existing->st_gid) &&
        ::fchown(descriptor, existing->st_uid, existing->st_gid) != 0) {
        if (errno == EPERM)
            return false;
        RaiseLastSystemError();
    }
    // After the owner: a change of owner clears the set-id bits.
    if (::fchmod(descriptor, existing->st_mode & 07777) != 0)
        RaiseLastSystemError();
    return true;
}

// Makes the rename itself survive a power loss. Some file systems cannot
// sync a folder, and a folder the player may not read cannot be opened:
// the save has still taken place.
void SyncFolder(const QByteArray& folder)
{
    const Descriptor descriptor(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (descriptor < 0) {
        const int error = errno;
        qCWarning(ScoreFileLog) << "the rename in" << folder
                                << "is not synced: the folder does not open:" << SystemMessage(error);
        return;
    }
    if (::fsync(descriptor) != 0 && errno != EINVAL)
        RaiseLastSystemError();
}

struct ClosesDirectory {
    void operator()(DIR* listing) const { ::closedir(listing); }
};

bool IsTemporaryName(const QByteArray& name, const QByteArray& prefix)
{
    if (name.size() != prefix.size() + RandomLetters || !name.startsWith(prefix))
        return false;
    for (const char letter : name.sliced(prefix.size()))
        if (!std::isalnum(static_cast<unsigned char>(letter)))
            return false;
    return true;
}

// A save killed between creating its file and renaming it leaves the file
// behind. One of this user's that no running save holds locked is such a
// leftover. Removing is a courtesy: a failure here fails no save.
void RemoveLeftoverTemporaries(const QByteArray& folder, const QByteArray& prefix)
{
    const std::unique_ptr<DIR, ClosesDirectory> listing(::opendir(folder.constData()));
    if (!listing) {
        const int error = errno;
        qCWarning(ScoreFileLog) << "no leftovers looked for in" << folder << ":" << SystemMessage(error);
        return;
    }
    while (const dirent* entry = ::readdir(listing.get())) {
        const QByteArray name(entry->d_name);
        if (!IsTemporaryName(name, prefix))
            continue;
        const Descriptor file(::openat(::dirfd(listing.get()), name.constData(),
                                       O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat status { };
        if (file >= 0 && ::fstat(file, &status) == 0 && S_ISREG(status.st_mode) &&
            status.st_uid == ::geteuid() && ::flock(file, LOCK_EX | LOCK_NB) == 0)
            ::unlinkat(::dirfd(listing.get()), name.constData(), 0);
    }
}

// False where the folder takes no new file or the new file could not keep
// the old one's owner and group; nothing is left behind then.
bool ReplaceThroughNewFile(const QByteArray& path, const struct stat* existing, const QByteArray& bytes)
{
    const QFileInfo target(QFile::decodeName(path));
    const QByteArray folder = QFile::encodeName(target.path());
    const QByteArray prefix = TemporaryPrefix(QFile::encodeName(target.fileName()));
    QByteArray temporaryPath = folder + '/' + prefix + QByteArray(RandomLetters, 'X');
    Descriptor file(::mkostemp(temporaryPath.data(), O_CLOEXEC));
    if (file < 0 && errno == EACCES) {
        qCWarning(ScoreFileLog) << "written in place:" << folder << "takes no new file";
        return false;
    }
    // The folder itself is missing, or was removed while the game ran in it.
    if (file < 0 && errno == ENOENT)
        throw ScoreFileError(ScoreFileError::InvalidFilename);
    if (file < 0)
        RaiseLastSystemError();
    TemporaryName temporary(temporaryPath);
    // Held until the rename, so that another save's clean-up leaves it be.
    ::flock(file, LOCK_EX);
    if (!TakeOverOwnerAndMode(file, existing)) {
        qCWarning(ScoreFileLog) << "written in place: a new file could not keep the owner and group of"
                                << path;
        return false;
    }
    WriteAll(file, bytes);
    if (::fsync(file) != 0)
        RaiseLastSystemError();
    if (::rename(temporaryPath.constData(), path.constData()) != 0)
        RaiseLastSystemError();
    temporary.Keep();
    CloseOrRaise(file);
    SyncFolder(folder);
    RemoveLeftoverTemporaries(folder, prefix);
    return true;
}

// Writes first and cuts the old file to length after, so that a disk that
// fills keeps as much of the old file as it can.
void WriteInPlace(const QByteArray& path, const QByteArray& bytes)
{
    Descriptor file(::open(path.constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666));
    if (file < 0)
        RaiseLastSystemError();
    WriteAll(file, bytes);
    if (::ftruncate(file, bytes.size()) != 0 || ::fsync(file) != 0)
        RaiseLastSystemError();
    CloseOrRaise(file);
}

}  // namespace

QByteArray TemporaryPrefix(const QByteArray& fileName) { return '.' + fileName + ".kwintor-"; }

void ReplaceFile(const QString& fileName, const QByteArray& bytes)
{
    const QByteArray path = QFile::encodeName(ResolvedPath(fileName));
    struct stat existing { };
    const bool exists = ::stat(path.constData(), &existing) == 0;
    if (!exists && errno != ENOENT)
        RaiseLastSystemError();
    // Refused before anything is written, with the error a load gives too.
    if (exists && S_ISDIR(existing.st_mode))
        Raise(EISDIR);
    if (exists && !MayWrite(path, existing))
        throw ScoreFileError(ScoreFileError::AccessDenied);
    if (!ReplaceThroughNewFile(path, exists ? &existing : nullptr, bytes))
        WriteInPlace(path, bytes);
}

}  // namespace kwintor
