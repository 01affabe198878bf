// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QString>

#include "best_score_entry.h"
#include "clock_rules.h"
#include "evaluator.h"
#include "main_window.h"
#include "prompts.h"
#include "whole_numbers.h"

namespace kwintor {

namespace {

int NumberIn(const Label& label) { return label.Caption().toInt(); }

}  // namespace

bool TForm1::CheckAndAdvance(std::string& playerText)
{
    if (!CheckAnswer(settings_.OperandCount, playerText))
        return false;
    const int score = NumberIn(*Punkty);
    const SolvedOutcome solved = AfterSolving(settings_.CurrentLevel, score);
    // The same score written again would be read out again.
    if (solved.score != score)
        Punkty->SetCaption(QString::number(solved.score));
    settings_.CurrentLevel = solved.level;
    NewRound();
    AnnounceRound(QStringLiteral("Rozwiązane! "));
    return true;
}

void TForm1::ClockTick()
{
    const TickOutcome tick = AfterTick(settings_.CurrentLevel, NumberIn(*czas));
    settings_.CurrentLevel = tick.level;
    czas->SetCaption(QString::number(tick.secondsLeft));
    if (tick.gameOver) {
        EndGame();
        return;
    }
    std::string diagnostic;
    CheckAndAdvance(diagnostic);
    if (EvalStatus.Code == NoError)
        diagnostic += "=" + std::to_string(RoundHalfToEven(EvaluateExpression(diagnostic)));
    Edit1->setText(QString::fromStdString(diagnostic));

    std::string hint;
    FormatEquation(settings_.OperandCount, hint);
    if (EvalStatus.Code != NoError) {
        std::string message;
        EvalErrorMessage(EvalStatus.Code, message);
        hint += message;
    }
    Edit1->setToolTip(QString::fromStdString(hint));
}

// The clock has already put the game into test mode: the ticks that go on
// inside the boxes below cannot end it a second time.
void TForm1::EndGame()
{
    if (ShowMessageBox(QStringLiteral("Koniec gry  !!!")) == MessageBoxOk)
        EnterBestScore(NumberIn(*Punkty));
}

}  // namespace kwintor
