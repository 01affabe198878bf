// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QString>

#include "best_score_entry.h"
#include "evaluator.h"
#include "game_settings.h"
#include "main_window.h"
#include "message_boxes.h"
#include "whole_numbers.h"

namespace kwintor {

namespace {

bool GameRunning() { return GameSettings.CurrentLevel != TestMode; }

int NumberIn(const Label& label) { return label.Caption().toInt(); }

}  // namespace

std::string TForm1::CheckAndAdvance()
{
    std::string playerText;
    if (!CheckAnswer(GameSettings.OperandCount, playerText))
        return playerText;
    if (GameRunning())
        Punkty->SetCaption(QString::number(NumberIn(*Punkty) + 1));
    PlayerOperators.Fill(OperatorCode::Empty);
    if (GameRunning())
        ++GameSettings.CurrentLevel;
    NewRound();
    AnnounceRound(QStringLiteral("Rozwiązane! "));
    return playerText;
}

void TForm1::ClockTick()
{
    czas->SetCaption(QString::number(GameRunning() ? NumberIn(*czas) - 1 : 0));
    if (GameRunning() && NumberIn(*czas) <= 0) {
        EndGame();
        return;
    }
    std::string diagnostic = CheckAndAdvance();
    if (EvalStatus.Code == NoError)
        diagnostic += "=" + std::to_string(RoundHalfToEven(EvaluateExpression(diagnostic)));
    Edit1->setText(QString::fromStdString(diagnostic));

    std::string hint;
    FormatEquation(GameSettings.OperandCount, hint);
    if (EvalStatus.Code != NoError) {
        std::string message;
        EvalErrorMessage(EvalStatus.Code, message);
        hint += message;
    }
    Edit1->setToolTip(QString::fromStdString(hint));
}

// Test mode comes first: ticks go on inside the boxes below and must not
// end this game a second time.
void TForm1::EndGame()
{
    GameSettings.CurrentLevel = TestMode;
    czas->SetCaption(QStringLiteral("0"));
    if (ShowMessageBox(QStringLiteral("Koniec gry  !!!")) == MessageBoxOk)
        EnterBestScore(NumberIn(*Punkty));
}

}  // namespace kwintor
