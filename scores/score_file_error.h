#pragma once

#include "error_display.h"

namespace kwintor {

// An input/output error of the score file, with the code and message the
// game has always shown for it.
class ScoreFileError : public Error {
public:
    enum : int {
        FileNotFound = 2,
        InvalidFilename = 3,
        TooManyOpenFiles = 4,
        AccessDenied = 5,
        InvalidNumericInput = 106,
    };

    explicit ScoreFileError(int code);

    // The error for a failed system call, from its errno.
    static ScoreFileError FromErrno(int systemError);

    int Code() const { return code_; }

private:
    int code_;
};

}  // namespace kwintor
