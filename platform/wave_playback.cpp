#include "wave_playback.h"

#include <QAudioDevice>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
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

SoundEffectPlayback::SoundEffectPlayback(OutputQuery hasAudioOutput)
    : hasAudioOutput_(std::move(hasAudioOutput))
{
}

void SoundEffectPlayback::Open(const QString& fileName)
{
    effect_.stop();
    effect_.setSource(QUrl());
    if (!hasAudioOutput_())
        throw Error(QStringLiteral("Brak urządzenia odtwarzającego dźwięk"));
    CheckWaveFile(fileName);
    effect_.setSource(QUrl::fromLocalFile(QFileInfo(fileName).absoluteFilePath()));
}

void SoundEffectPlayback::Play()
{
    // QSoundEffect does not promise that play() restarts a sound still playing.
    effect_.stop();
    effect_.play();
}

bool SoundEffectPlayback::SystemHasAudioOutput() { return !QMediaDevices::audioOutputs().isEmpty(); }

}  // namespace kwintor
