// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <stdexcept>
#include <string>

namespace kwintor {

// A failure of a file or device, carrying the text shown to the player in
// UTF-8. Below the windows, so that the score file's reader can throw it
// without linking them.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& utf8Message)
        : std::runtime_error(utf8Message)
    {
    }
};

}  // namespace kwintor
