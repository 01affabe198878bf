// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

#include "periodic_timer.h"
#include "settings.h"
#include "wave_playback.h"

class QApplication;

namespace kwintor {

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class Tnaj2;

// The application's title, style, palette and font.
void SetUpApplication(QApplication& application);

// The five windows, created in their order and published as Form1, Form2,
// Form3, Form4 and naj2, and the one set of settings they share; all live as
// long as this object, and the settings start from their defaults. The board
// plays through `player` with its clock started as `clock` says (the tests
// bring their own and tick it themselves).
class KwintorWindows {
public:
    explicit KwintorWindows(std::unique_ptr<WavePlayback> player = std::make_unique<EventSoundPlayback>(),
                            PeriodicTimer::Start clock = PeriodicTimer::Start::Running);
    ~KwintorWindows();
    KwintorWindows(const KwintorWindows&) = delete;
    KwintorWindows& operator=(const KwintorWindows&) = delete;

    Settings& SharedSettings() { return settings_; }

private:
    Settings settings_;
    std::unique_ptr<TForm1> main_;
    std::unique_ptr<TForm2> testDifficulty_;
    std::unique_ptr<TForm3> startLevel_;
    std::unique_ptr<TForm4> about_;
    std::unique_ptr<Tnaj2> bestScores_;
};

// Starts Kwintor and runs it until the main window is closed.
int RunKwintor(int argc, char* argv[]);

}  // namespace kwintor
