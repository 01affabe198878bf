// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <memory>

#include "silence_stream.h"
#include "sound_output.h"

namespace kwintor {

// Sounds through libcanberra, the desktop's event-sound library: the sound
// server's default output on PulseAudio or PipeWire, else ALSA's default
// device. All its calls run in a thread of its own, since a server that
// takes the connection and never answers blocks them for good. The
// silence that keeps the output awake goes through libpulse's own thread.
class CanberraOutput : public SoundOutput {
public:
    // `patience`: how long Ask waits for the thread's answer.
    explicit CanberraOutput(std::chrono::milliseconds patience = DefaultPatience);
    ~CanberraOutput() override;
    CanberraOutput(const CanberraOutput&) = delete;
    CanberraOutput& operator=(const CanberraOutput&) = delete;

    // Pending at once while an earlier request is still unanswered, so a
    // silent server costs one wait of `patience`, not one per drop.
    OutputAnswer Ask() override;
    void Play(const std::string& path) override;
    // Plays silence to the server's default output while `awake`.
    void KeepAwake(bool awake) override;

    // Far above the few milliseconds a local server or a refused connection
    // takes, and short enough that a drop never feels held up.
    static constexpr std::chrono::milliseconds DefaultPatience {100};

private:
    struct Worker;
    // Shared with the thread, which may outlive this object on a silent server.
    std::shared_ptr<Worker> worker_;
    std::chrono::milliseconds patience_;
    SilenceStream silence_;
    bool awake_ = false;
};

}  // namespace kwintor
