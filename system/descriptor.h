// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <unistd.h>

#include <utility>

namespace kwintor {

// A file descriptor closed on every way out. Close() is for a caller that
// must know whether the close failed: a write may fail only there.
class Descriptor {
public:
    Descriptor() = default;
    explicit Descriptor(int descriptor) noexcept
        : descriptor_(descriptor)
    {
    }
    Descriptor(Descriptor&& other) noexcept
        : descriptor_(other.Release())
    {
    }
    Descriptor& operator=(Descriptor&& other) noexcept
    {
        if (this != &other) {
            Forget();
            descriptor_ = other.Release();
        }
        return *this;
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { Forget(); }

    // Negative when nothing was opened, as the system calls say.
    operator int() const noexcept { return descriptor_; }
    // Hands the descriptor on, to be closed by its new owner.
    int Release() noexcept { return std::exchange(descriptor_, -1); }
    // False, with errno saying why, when the system reports an error.
    [[nodiscard]] bool Close() noexcept { return ::close(Release()) == 0; }

private:
    void Forget() noexcept
    {
        if (descriptor_ >= 0)
            ::close(Release());
    }

    int descriptor_ = -1;
};

}  // namespace kwintor
