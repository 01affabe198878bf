// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QTest>

#include "about_window.h"
#include "fakes/fake_wave_playback.h"
#include "main_window.h"
#include "najlepsi.h"
#include "random_source.h"
#include "score_file_sandbox.h"
#include "start_level_dialog.h"
#include "startup.h"
#include "test_difficulty_dialog.h"

// The five windows of a fresh game, wired as the game wires them, with a
// clock that only the test makes tick and a score file of its own. One
// fixture is alive at a time, as the five windows are published for the game
// to find.
class GameFixture {
public:
    // A fake sound, unless the test brings a `player` of its own.
    explicit GameFixture(const QByteArray& scoreFile = {}, std::unique_ptr<kwintor::WavePlayback> player = {})
        : windows_(StartGame(scoreFile, std::move(player)))
        , settings(windows_->SharedSettings())
        , form(kwintor::Form1)
        , testDifficulty(*kwintor::Form2)
        , startLevel(*kwintor::Form3)
        , about(*kwintor::Form4)
        , bestScores(*kwintor::naj2)
    {
    }

    GameFixture(const GameFixture&) = delete;
    GameFixture& operator=(const GameFixture&) = delete;

    bool ShowBoard()
    {
        form->show();
        return QTest::qWaitForWindowExposed(form);
    }

    // Puts the equation's own operators into the slots, without dropping them.
    void PlaceOwnOperators() const
    {
        for (std::size_t i = 1; i < settings.OperandCount; ++i)
            kwintor::PlayerOperators[i] = kwintor::Equation[i].Operator;
    }

    // A test round, which has no clock and no score, of `operandCount` numbers.
    void TestRound(std::uint8_t operandCount)
    {
        settings.CurrentLevel = kwintor::TestMode;
        settings.OperandCount = operandCount;
        form->NewRound();
    }

    void Tick(int times = 1)
    {
        for (int i = 0; i < times; ++i)
            form->ClockTick();
    }

private:
    // The game's first round is drawn, and the score file read, as its
    // windows are made.
    std::unique_ptr<kwintor::KwintorWindows> StartGame(const QByteArray& scoreFile,
                                                       std::unique_ptr<kwintor::WavePlayback> player)
    {
        kwintor::SeedRandom(5);
        ScoreFileSandbox::Write(scoreFile);
        if (!player) {
            auto fake = std::make_unique<FakeWavePlayback>();
            sound = fake.get();
            player = std::move(fake);
        }
        return std::make_unique<kwintor::KwintorWindows>(std::move(player),
                                                         kwintor::PeriodicTimer::Start::Held);
    }

public:
    ScoreFileSandbox sandbox;
    FakeWavePlayback* sound = nullptr;

private:
    std::unique_ptr<kwintor::KwintorWindows> windows_;

public:
    kwintor::Settings& settings;
    kwintor::TForm1* form;
    kwintor::TForm2& testDifficulty;
    kwintor::TForm3& startLevel;
    kwintor::TForm4& about;
    kwintor::Tnaj2& bestScores;
};
