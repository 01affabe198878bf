// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtTest>

#include <chrono>

#include "about_window.h"
#include "fakes/fake_wave_playback.h"
#include "game_settings.h"
#include "main_window.h"
#include "najlepsi.h"
#include "random_source.h"
#include "score_file_sandbox.h"
#include "start_level_dialog.h"
#include "test_difficulty_dialog.h"

// The five windows of a fresh game, with a clock that only the test makes
// tick and a score file of its own.
class GameFixture {
public:
    // A fake sound, unless the test brings a `player` of its own.
    explicit GameFixture(const QByteArray& scoreFile = {}, std::unique_ptr<kwintor::WavePlayback> player = {})
    {
        kwintor::GameSettings = kwintor::Settings {};
        kwintor::SeedRandom(5);
        ScoreFileSandbox::Write(scoreFile);
        if (!player) {
            auto fake = std::make_unique<FakeWavePlayback>();
            sound = fake.get();
            player = std::move(fake);
        }
        form = std::make_unique<kwintor::TForm1>(std::move(player), std::chrono::hours(24));
        kwintor::Form1 = form.get();
        kwintor::Form2 = &testDifficulty;
        kwintor::Form3 = &startLevel;
        kwintor::Form4 = &about;
        kwintor::naj2 = &bestScores;
    }

    ~GameFixture()
    {
        kwintor::Form1 = nullptr;
        kwintor::Form2 = nullptr;
        kwintor::Form3 = nullptr;
        kwintor::Form4 = nullptr;
        kwintor::naj2 = nullptr;
    }

    bool ShowBoard()
    {
        form->show();
        return QTest::qWaitForWindowExposed(form.get());
    }

    // Puts the equation's own operators into the slots, without dropping them.
    static void PlaceOwnOperators()
    {
        for (std::size_t i = 1; i < kwintor::GameSettings.OperandCount; ++i)
            kwintor::PlayerOperators[i] = kwintor::Equation[i].Operator;
    }

    void Tick(int times = 1)
    {
        for (int i = 0; i < times; ++i)
            form->ClockTick();
    }

    ScoreFileSandbox sandbox;
    FakeWavePlayback* sound = nullptr;
    kwintor::TForm2 testDifficulty {kwintor::GameSettings};
    kwintor::TForm3 startLevel {kwintor::GameSettings};
    kwintor::TForm4 about;
    kwintor::Tnaj2 bestScores;
    std::unique_ptr<kwintor::TForm1> form;
};

// A test round, which has no clock and no score, of `operandCount` numbers.
inline void TestRound(kwintor::TForm1& form, std::uint8_t operandCount)
{
    kwintor::GameSettings.CurrentLevel = kwintor::TestMode;
    kwintor::GameSettings.OperandCount = operandCount;
    form.NewRound();
}
