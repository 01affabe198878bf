// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

#include "numbered_array.h"

namespace kwintor {

enum class OperatorCode : std::uint8_t {
    Plus = 0,
    Minus = 1,
    Division = 2,
    Multiplication = 3,
    Empty = 4,  // a slot the player has not filled
};

// Bit n allows OperatorCode n to be generated; bits 4 to 7 mean nothing.
using OperatorMask = std::uint8_t;
inline constexpr OperatorMask AllOperators = 15;

inline constexpr OperatorMask MaskBit(OperatorCode code)
{
    return static_cast<OperatorMask>(1U << static_cast<unsigned>(code));
}

inline constexpr std::uint8_t MaxOperands = 5;

struct EquationTerm {
    std::int32_t Operand = 0;
    OperatorCode Operator = OperatorCode::Plus;  // the operator after Operand
};

// The round's equation. Only terms 1..OperandCount are in use; the operator
// of the last term in use is generated but never shown or evaluated.
extern NumberedArray<EquationTerm, MaxOperands> Equation;

// Entry i is the operator the player put between operands i and i+1.
extern NumberedArray<OperatorCode, MaxOperands> PlayerOperators;

// False when no equation can be drawn: OperandCount outside 1..5, no
// operator in the mask, division allowed with LargestOperand 0, or
// LargestOperand 255 (the generator would wait for ever on any of them), or
// operands so large that a result could leave 32 bits (74 with 5 operands).
bool CanGenerateEquation(std::uint8_t operandCount, OperatorMask mask, std::uint8_t largestOperand);

// Draws terms 1..OperandCount with operands 0..LargestOperand: every divisor
// is non-zero and divides the operand before it, and no two divisions stand
// side by side, so the result is whole. Returns false, leaving the Equation
// as it was, when CanGenerateEquation refuses the arguments.
[[nodiscard]] bool GenerateEquation(std::uint8_t operandCount, OperatorMask mask,
                                    std::uint8_t largestOperand);

// Writes the Equation with its own operators, for example "12+3*4".
void FormatEquation(std::uint8_t operandCount, std::string& text);

// The Equation's value truncated to 32 bits; 0 when it cannot be evaluated.
// Resets EvalStatus.Code first and leaves what the evaluation set.
std::int32_t EquationTarget(std::uint8_t operandCount);

// True when PlayerOperators solve the Equation: every slot filled, no
// division by a zero operand, and the value equal to EquationTarget. Writes
// the player's expression, "?" for an empty slot, into `playerText`.
bool CheckAnswer(std::uint8_t operandCount, std::string& playerText);

}  // namespace kwintor
