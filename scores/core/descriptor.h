// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <QByteArray>

#include <utility>

#include "score_file_error.h"

namespace kwintor {

// A file descriptor closed on every way out; Close() reports the error the
// caller must check.
class Descriptor {
public:
    explicit Descriptor(int descriptor)
        : descriptor_(descriptor)
    {
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor()
    {
        if (descriptor_ >= 0)
            ::close(descriptor_);
    }
    operator int() const { return descriptor_; }
    // Hands the descriptor on, to be closed by its new owner.
    int Release() { return std::exchange(descriptor_, -1); }
    void Close()
    {
        if (::close(std::exchange(descriptor_, -1)) != 0)
            RaiseLastSystemError();
    }

private:
    int descriptor_;
};

// The file at `path` opened for reading; throws ScoreFileError when it
// cannot be.
inline int OpenForReading(const QByteArray& path)
{
    const int descriptor = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        RaiseLastSystemError();
    return descriptor;
}

}  // namespace kwintor
