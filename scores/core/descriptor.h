// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <unistd.h>

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

}  // namespace kwintor
