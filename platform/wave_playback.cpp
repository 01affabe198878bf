#include "wave_playback.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include "error_display.h"
#include "wave_format.h"

namespace kwintor {

namespace {

void CheckWaveFile(const QString& fileName)
{
    if (!QFileInfo(fileName).isFile())
        throw Error(QStringLiteral("Nie znaleziono pliku dźwiękowego „%1”").arg(fileName));
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("Nie można odczytać pliku dźwiękowego „%1”").arg(fileName));
    if (!IsPlayableWave(file))
        throw Error(QStringLiteral("Plik „%1” nie jest odtwarzalnym plikiem dźwiękowym WAV").arg(fileName));
}

}  // namespace

SoundEffectPlayback::SoundEffectPlayback(OutputQuery audioOutput)
    : audioOutput_(std::move(audioOutput))
{
    audioOutput_();
}

void SoundEffectPlayback::Open(const QString& fileName)
{
    if (effect_) {
        effect_->stop();
        effect_->setSource(QUrl());
    }
    const AudioOutput output = audioOutput_();
    if (output == AudioOutput::Absent)
        throw Error(QStringLiteral("Brak urządzenia odtwarzającego dźwięk"));
    CheckWaveFile(fileName);
    if (output == AudioOutput::Unknown)
        return;
    if (!effect_)
        effect_ = std::make_unique<QSoundEffect>();
    effect_->setSource(QUrl::fromLocalFile(QFileInfo(fileName).absoluteFilePath()));
}

void SoundEffectPlayback::Play()
{
    if (!effect_)
        return;
    // QSoundEffect does not promise that play() restarts a sound still playing.
    effect_->stop();
    effect_->play();
}

}  // namespace kwintor
