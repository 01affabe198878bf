// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <memory>

#include "canberra_output.h"
#include "sound_output.h"

namespace kwintor {

// Plays wave files. The game's seam for sound: tests put a fake in its place.
class WavePlayback {
public:
    virtual ~WavePlayback() = default;

    // Opens `fileName` in place of the sound open before, which stops when
    // this one starts. Throws Error with the device's text when the file is
    // missing or not a playable wave file, or when the machine has no audio
    // output.
    virtual void Open(const QString& fileName) = 0;

    // Starts the open sound and returns at once; a failure to start is the
    // device's business and is not reported. With no sound open, does nothing.
    virtual void Play() = 0;

    // Keeps the output awake between sounds while `awake`, so that none
    // loses its start to the output's waking; never reports a failure.
    virtual void KeepAwake(bool awake) = 0;
};

// Wave playback on the desktop's sound output.
class EventSoundPlayback : public WavePlayback {
public:
    explicit EventSoundPlayback(std::unique_ptr<SoundOutput> output = std::make_unique<CanberraOutput>());

    void Open(const QString& fileName) override;
    void Play() override;
    void KeepAwake(bool awake) override;

private:
    std::unique_ptr<SoundOutput> output_;
    QString openFile_;  // absolute; empty when none is open
};

}  // namespace kwintor
