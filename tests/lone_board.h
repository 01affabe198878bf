// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

#include "fakes/fake_wave_playback.h"
#include "main_window.h"
#include "settings.h"

// The board alone, without the other windows, on settings of its own, with
// a fake sound and a clock that only the test makes tick. Seed the random
// source before creating it: the board puts its first equation up at once.
struct LoneBoard {
    kwintor::Settings settings;
    kwintor::TForm1 form {settings, std::make_unique<FakeWavePlayback>(),
                          kwintor::PeriodicTimer::Start::Held};
};
