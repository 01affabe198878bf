// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wave_playback.h"

#include <QFile>
#include <QFileInfo>

#include "error.h"
#include "wave_format.h"

namespace kwintor {

namespace {

void CheckWaveFile(const QString& fileName)
{
    if (!QFileInfo(fileName).isFile())
        throw Error(QStringLiteral("Nie znaleziono pliku dźwiękowego „%1”").arg(fileName).toStdString());
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("Nie można odczytać pliku dźwiękowego „%1”").arg(fileName).toStdString());
    if (!IsPlayableWave(file))
        throw Error(QStringLiteral("Plik „%1” nie jest odtwarzalnym plikiem dźwiękowym WAV "
                                   "(8- lub 16-bitowe PCM)")
                        .arg(fileName)
                        .toStdString());
}

}  // namespace

EventSoundPlayback::EventSoundPlayback(std::unique_ptr<SoundOutput> output)
    : output_(std::move(output))
{
}

// The file is checked here, where the error can still stop the drop; the
// sound output reads it later, in its own time.
void EventSoundPlayback::Open(const QString& fileName)
{
    openFile_.clear();
    CheckWaveFile(fileName);
    if (output_->Ask() == OutputAnswer::Absent)
        throw Error("Brak urządzenia odtwarzającego dźwięk");
    openFile_ = QFileInfo(fileName).absoluteFilePath();
}

void EventSoundPlayback::Play()
{
    if (!openFile_.isEmpty())
        output_->Play(QFile::encodeName(openFile_).toStdString());
}

void EventSoundPlayback::KeepAwake(bool awake) { output_->KeepAwake(awake); }

}  // namespace kwintor
