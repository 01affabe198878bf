// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include "error.h"

namespace kwintor {

// An input/output error of the score file, with the code and message the
// game has always shown for it.
class ScoreFileError : public Error {
public:
    // The failures with a message of their own.
    enum : int {
        FileNotFound = 2,
        InvalidFilename = 3,
        TooManyOpenFiles = 4,
        AccessDenied = 5,
        InvalidNumericInput = 106,
    };

    // One of the failures above, with its own message.
    explicit ScoreFileError(int ownCode);

    // The error for a failed system call: the failure above that its errno
    // stands for, or else "I/O error N" with the errno itself, even where N
    // equals one of the codes above.
    static ScoreFileError FromErrno(int systemError);

    int Code() const { return code_; }

private:
    ScoreFileError(int code, const QString& message);

    int code_;
};

// Throws the error for the system call that just failed, by its errno.
[[noreturn]] void RaiseLastSystemError();

}  // namespace kwintor
