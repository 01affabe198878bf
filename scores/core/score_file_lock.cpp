// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "score_file_lock.h"

#include <QFile>

#include <cerrno>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>

#include "score_file_error.h"
#include "system_calls.h"

namespace kwintor {

namespace {

constexpr std::chrono::milliseconds RetryEvery {20};

bool Locked(int descriptor)
{
    if (::flock(descriptor, LOCK_EX | LOCK_NB) == 0)
        return true;
    if (errno != EWOULDBLOCK && errno != EINTR)
        RaiseLastSystemError();
    return false;
}

// A save puts a new file in the old one's place: a lock taken on the old
// one, while another game was saving, guards a file nobody reads any more.
bool StillAtItsName(int descriptor, const QByteArray& path)
{
    struct stat held { };
    struct stat named { };
    if (::fstat(descriptor, &held) != 0)
        RaiseLastSystemError();
    if (::stat(path.constData(), &named) != 0) {
        if (errno == ENOENT)
            return false;
        RaiseLastSystemError();
    }
    return held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

// A descriptor of the file at `path`, locked, once no other game holds it.
Descriptor LockedDescriptor(const QByteArray& path, std::chrono::milliseconds patience)
{
    const auto deadline = std::chrono::steady_clock::now() + patience;
    for (;;) {
        Descriptor candidate = OpenForReading(path);
        if (Locked(candidate) && StillAtItsName(candidate, path))
            return candidate;
        if (std::chrono::steady_clock::now() >= deadline)
            throw ScoreFileBusy();
        std::this_thread::sleep_for(RetryEvery);
    }
}

}  // namespace

ScoreFileBusy::ScoreFileBusy()
    : Error("Plik wyników jest zajęty przez inną grę")
{
}

ScoreFileLock::ScoreFileLock(const QString& fileName, std::chrono::milliseconds patience)
    : held_(LockedDescriptor(QFile::encodeName(fileName), patience))
{
}

}  // namespace kwintor
