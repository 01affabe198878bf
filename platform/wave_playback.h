#pragma once

#include <QSoundEffect>
#include <QString>
#include <QUrl>

#include <functional>

namespace kwintor {

// Plays wave files. The game's seam for sound: tests put a fake in its place.
class WavePlayback {
public:
    virtual ~WavePlayback() = default;

    // Closes a sound still open (stopping it) and opens `fileName`. Throws
    // Error with the device's text when the file is missing or not a
    // playable wave file, or when the machine has no audio output.
    virtual void Open(const QString& fileName) = 0;

    // Starts the open sound and returns at once; a failure to start is the
    // device's business and is not reported.
    virtual void Play() = 0;
};

// Wave playback through QSoundEffect.
class SoundEffectPlayback : public WavePlayback {
public:
    using OutputQuery = std::function<bool()>;

    // `hasAudioOutput` tells whether the machine can play sound at all.
    explicit SoundEffectPlayback(OutputQuery hasAudioOutput = SystemHasAudioOutput);

    void Open(const QString& fileName) override;
    void Play() override;

    // The sound open now; empty when there is none.
    QUrl Source() const { return effect_.source(); }

    static bool SystemHasAudioOutput();

private:
    OutputQuery hasAudioOutput_;
    QSoundEffect effect_;
};

}  // namespace kwintor
