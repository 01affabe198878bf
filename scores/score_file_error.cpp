#include "score_file_error.h"

#include <cerrno>

namespace kwintor {

namespace {

QString MessageFor(int code)
{
    switch (code) {
    case ScoreFileError::FileNotFound: return QStringLiteral("File not found");
    case ScoreFileError::InvalidFilename: return QStringLiteral("Invalid filename");
    case ScoreFileError::TooManyOpenFiles: return QStringLiteral("Too many open files");
    case ScoreFileError::AccessDenied: return QStringLiteral("File access denied");
    case ScoreFileError::InvalidNumericInput: return QStringLiteral("Invalid numeric input");
    default: return QStringLiteral("I/O error %1").arg(code);
    }
}

}  // namespace

ScoreFileError::ScoreFileError(int code)
    : Error(MessageFor(code))
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
    default: return ScoreFileError(systemError);
    }
}

}  // namespace kwintor
