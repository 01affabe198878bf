// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "equation.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "evaluator.h"
#include "operators.h"
#include "random_source.h"
#include "whole_numbers.h"

namespace kwintor {

NumberedArray<EquationTerm, MaxOperands> Equation;
NumberedArray<OperatorCode, MaxOperands> PlayerOperators;

namespace {

constexpr std::uint8_t GeneratedOperators = 4;

char SymbolOf(OperatorCode code) { return FactsOf(code).Symbol; }

void AppendNumber(std::string& text, std::int32_t number)
{
    char digits[12];
    const auto end = std::to_chars(std::begin(digits), std::end(digits), number).ptr;
    text.append(digits, end);
}

// The operands in decimal with the operator of slot i after operand i.
template <typename SlotSymbol>
void WriteExpression(std::uint8_t operandCount, std::string& text, SlotSymbol slotSymbol)
{
    text.clear();
    for (std::uint8_t i = 1; i <= operandCount; ++i) {
        AppendNumber(text, Equation[i].Operand);
        if (i < operandCount)
            text.push_back(slotSymbol(i));
    }
}

bool Allows(OperatorMask mask, OperatorCode code) { return (mask & MaskBit(code)) != 0; }

// One draw for term i; true when it is accepted. The mask is tested with the
// operator as drawn, before a division after a division turns into a plus.
bool DrawTerm(std::uint8_t i, OperatorMask mask, std::uint8_t operandBound)
{
    EquationTerm& term = Equation[i];
    const auto drawn = static_cast<OperatorCode>(DrawBelow(GeneratedOperators));
    term.Operator = drawn;
    term.Operand = static_cast<std::int32_t>(DrawBelow(operandBound));
    bool refused = false;
    if (i >= 2 && Equation[i - 1].Operator == OperatorCode::Division) {
        const std::int32_t dividend = Equation[i - 1].Operand;
        refused = term.Operand == 0 || dividend % term.Operand != 0;
        if (term.Operator == OperatorCode::Division)
            term.Operator = OperatorCode::Plus;
    }
    return !refused && Allows(mask, drawn);
}

bool CheckFillingRules(std::uint8_t operandCount)
{
    for (std::uint8_t slot = 1; slot < operandCount; ++slot) {
        if (PlayerOperators[slot] == OperatorCode::Empty)
            return false;
        if (PlayerOperators[slot] == OperatorCode::Division && Equation[slot + 1].Operand == 0)
            return false;
    }
    return true;
}

// No value of n operands up to L exceeds L^n in magnitude (L >= 2), so this
// keeps every result within the 32 bits that EquationTarget returns.
bool ResultFitsInt32(std::uint8_t operandCount, std::uint8_t largestOperand)
{
    std::int64_t largestValue = 1;
    for (std::uint8_t i = 0; i < operandCount; ++i)
        largestValue *= std::max<std::int64_t>(largestOperand, 2);
    return largestValue <= std::numeric_limits<std::int32_t>::max();
}

}  // namespace

bool CanGenerateEquation(std::uint8_t operandCount, OperatorMask mask, std::uint8_t largestOperand)
{
    const bool someOperator = (mask & AllOperators) != 0;
    const bool divisorPossible = !Allows(mask, OperatorCode::Division) || largestOperand >= 1;
    return operandCount >= 1 && operandCount <= MaxOperands && someOperator && divisorPossible &&
        largestOperand <= 254 && ResultFitsInt32(operandCount, largestOperand);
}

bool GenerateEquation(std::uint8_t operandCount, OperatorMask mask, std::uint8_t largestOperand)
{
    if (!CanGenerateEquation(operandCount, mask, largestOperand))
        return false;
    const auto operandBound = static_cast<std::uint8_t>(largestOperand + 1);
    for (std::uint8_t i = 1; i <= operandCount; ++i)
        while (!DrawTerm(i, mask, operandBound)) { }
    return true;
}

void FormatEquation(std::uint8_t operandCount, std::string& text)
{
    WriteExpression(operandCount, text, [](std::uint8_t i) { return SymbolOf(Equation[i].Operator); });
}

std::int32_t EquationTarget(std::uint8_t operandCount)
{
    // Kept between calls so that a round's checks reuse its capacity.
    static std::string equationText;
    EvalStatus.Code = NoError;
    FormatEquation(operandCount, equationText);
    return TruncateToInt32(EvaluateExpression(equationText));
}

bool CheckAnswer(std::uint8_t operandCount, std::string& playerText)
{
    WriteExpression(operandCount, playerText, [](std::uint8_t i) { return SymbolOf(PlayerOperators[i]); });
    EvalStatus.Code = NoError;
    const long double playerValue = EvaluateExpression(playerText);
    const std::int32_t target = EquationTarget(operandCount);
    return playerValue == static_cast<long double>(target) && CheckFillingRules(operandCount);
}

}  // namespace kwintor
