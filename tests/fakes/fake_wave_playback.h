// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include "error_display.h"
#include "wave_playback.h"

// Records what the game asks of its sound, and can fail like a machine
// without a sound device.
class FakeWavePlayback : public kwintor::WavePlayback {
public:
    void Open(const QString& fileName) override
    {
        if (!failure.isEmpty())
            throw kwintor::Error(failure.toStdString());
        opened << fileName;
    }
    void Play() override { ++plays; }
    void KeepAwake(bool awake) override { keptAwake = awake; }

    QString failure;  // when set, Open throws it
    QStringList opened;
    int plays = 0;
    bool keptAwake = false;
};
