#pragma once

#include <QSoundEffect>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

#include "audio_output_probe.h"

namespace kwintor {

// Plays wave files. The game's seam for sound: tests put a fake in its place.
class WavePlayback {
public:
    virtual ~WavePlayback() = default;

    // Closes a sound still open (stopping it) and opens `fileName`. Throws
    // Error with the device's text when the file is missing or not a
    // playable wave file, or when the machine has no audio output. While
    // it is not yet known whether there is one, nothing is opened.
    virtual void Open(const QString& fileName) = 0;

    // Starts the open sound and returns at once; a failure to start is the
    // device's business and is not reported. With no sound open, does nothing.
    virtual void Play() = 0;
};

// Wave playback through QSoundEffect.
class SoundEffectPlayback : public WavePlayback {
public:
    using OutputQuery = std::function<AudioOutput()>;

    // `audioOutput` tells whether the machine can play sound at all; it is
    // asked at once, so that the answer is in before the first sound.
    explicit SoundEffectPlayback(OutputQuery audioOutput = SystemAudioOutput);

    void Open(const QString& fileName) override;
    void Play() override;

    // The sound open now; empty when there is none.
    QUrl Source() const { return effect_ ? effect_->source() : QUrl(); }

private:
    OutputQuery audioOutput_;
    // Made only once an output is known to be there: a sound effect asks
    // the sound server itself, and would block on a silent one.
    std::unique_ptr<QSoundEffect> effect_;
};

}  // namespace kwintor
