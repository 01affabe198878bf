// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "score_file_error.h"

#include <cerrno>

namespace kwintor {

namespace {

QString IoErrorMessage(int code) { return QStringLiteral("I/O error %1").arg(code); }

QString OwnMessage(int code)
{
    switch (code) {
    case ScoreFileError::FileNotFound: return QStringLiteral("File not found");
    case ScoreFileError::InvalidFilename: return QStringLiteral("Invalid filename");
    case ScoreFileError::TooManyOpenFiles: return QStringLiteral("Too many open files");
    case ScoreFileError::AccessDenied: return QStringLiteral("File access denied");
    case ScoreFileError::InvalidNumericInput: return QStringLiteral("Invalid numeric input");
    default: return IoErrorMessage(code);
    }
}

}  // namespace

ScoreFileError::ScoreFileError(int ownCode)
    : ScoreFileError(ownCode, OwnMessage(ownCode))
{
}

ScoreFileError::ScoreFileError(int code, const QString& message)
    : Error(message.toStdString())
    , code_(code)
{
}

ScoreFileError ScoreFileError::FromErrno(int systemError)
{
    switch (systemError) {
    case ENOENT: return ScoreFileError(FileNotFound);
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL: return ScoreFileError(InvalidFilename);
    case EMFILE:
    case ENFILE: return ScoreFileError(TooManyOpenFiles);
    case EACCES:
    case EPERM:
    case EROFS: return ScoreFileError(AccessDenied);
    default: return ScoreFileError(systemError, IoErrorMessage(systemError));
    }
}

// Called at once after the failing call: a clean-up call could change errno.
void RaiseLastSystemError()
{
    const int systemError = errno;
    throw ScoreFileError::FromErrno(systemError != 0 ? systemError : EIO);
}

}  // namespace kwintor
