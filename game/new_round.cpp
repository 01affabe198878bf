// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <string>

#include "error_display.h"
#include "main_window.h"
#include "round_rules.h"

namespace kwintor {

namespace {

// Left edge of Wynik for 2, 3, 4 and 5 operands.
constexpr std::array<int, 4> ResultLeftEdges = {180, 280, 405, 510};

}  // namespace

void TForm1::NewRound()
{
    const RoundRules round = RoundFor(settings_);
    settings_.OperandCount = round.operandCount;
    const std::uint8_t operandCount = round.operandCount;
    const bool testMode = settings_.CurrentLevel == TestMode;

    czas->SetCaption(QString::number(round.seconds));
    opis->SetCaption(testMode ? QStringLiteral("Test ")
                              : QStringLiteral("Poziom ") + QString::number(settings_.CurrentLevel));
    PlayerOperators.Fill(OperatorCode::Empty);
    if (!GenerateEquation(operandCount, round.mask, round.largestOperand))
        throw Error(
            QStringLiteral("Nie można ułożyć równania o %1 liczbach").arg(operandCount).toStdString());
    shownRound_ = {operandCount, EquationTarget(operandCount)};
    Wynik->SetCaption(QStringLiteral("=") + QString::number(shownRound_.target));
    std::string equationText;
    FormatEquation(operandCount, equationText);
    Edit1->setText(QString::fromStdString(equationText));
    LayOutOperands(operandCount);
    OfferSlotsToKeyboard();
    SpeakSlots();
}

// Shows the operands and the slot frames between them, and the slots as they stand: empty.
void TForm1::LayOutOperands(std::uint8_t operandCount)
{
    const auto operands = OperandLabels();
    const auto frames = SlotFrames();
    for (std::size_t i = 2; i < operands.size(); ++i)
        operands[i]->hide();
    for (std::size_t i = 1; i < frames.size(); ++i)
        frames[i]->hide();
    ShowSlots();

    for (std::uint8_t number = 1; number <= operandCount && number <= operands.size(); ++number) {
        Label* operand = operands[number - 1];
        operand->SetCaption(QString::number(Equation[number].Operand));
        operand->show();
        if (number >= 2)
            frames[number - 2]->show();
    }
    if (operandCount >= 2 && operandCount <= MaxOperands)
        Wynik->move(ResultLeftEdges[operandCount - 2], Wynik->y());
}

}  // namespace kwintor
