// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace kwintor {

// Held while any window's caption text is being set, so that the text
// change the toolkit reports back does not set it a second time. One flag
// for the whole program; released however the update ends.
class CaptionUpdateGuard {
public:
    CaptionUpdateGuard();
    ~CaptionUpdateGuard();
    CaptionUpdateGuard(const CaptionUpdateGuard&) = delete;
    CaptionUpdateGuard& operator=(const CaptionUpdateGuard&) = delete;

    static bool Held();
};

}  // namespace kwintor
