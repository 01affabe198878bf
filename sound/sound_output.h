// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace kwintor {

// What asking for a sound output gave.
enum class OutputAnswer {
    Ready,  // an output is there and takes sounds
    Absent,  // no sound server and no device
    Pending,  // no answer in time; the sound goes out once there is one
};

// Where the game's sounds go: the desktop's sound server or device. The
// seam between the wave playback and the machine; tests put a fake here.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;

    // Asks afresh whether an output is there, so that a server that came
    // or went since the last sound counts. Never blocks for long.
    virtual OutputAnswer Ask() = 0;

    // Stops the sound still playing and starts the wave file at `path`
    // (absolute); returns at once. Failures to play are not reported.
    virtual void Play(const std::string& path) = 0;

    // Keeps the output from sleeping between sounds while `awake`, since a
    // sleeping output loses the start of the next sound to its waking.
    // Quiet when it cannot: an output with no sleep has nothing to do.
    virtual void KeepAwake(bool /*awake*/) { }
};

}  // namespace kwintor
