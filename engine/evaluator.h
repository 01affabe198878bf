// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace kwintor {

// Values are x87 extended precision; the game's exact comparisons depend on it.
static_assert(std::numeric_limits<long double>::digits == 64,
              "Kwintor needs long double with a 64-bit significand");

enum EvalErrorCode : std::uint8_t {
    NoError = 0,
    DivisionByZero = 1,
    SyntaxError = 2,
    UnknownExpression = 3,
    NegativeBaseFractionalExponent = 4,
    ZeroBaseNegativeExponent = 5,
    LogOfNonPositive = 6,
    // A value beyond the extended range, such as 99^99^99. Like code 6 it has
    // no message of its own.
    Overflow = 7,
};

struct EvaluationStatus {
    std::uint8_t Code = NoError;
    // The offending text; written only with codes 2, 3 and 4, never cleared.
    std::string Text;
};

// Shared by every evaluation. The evaluator only ever raises Code: callers
// reset it before an evaluation whose outcome they test.
extern EvaluationStatus EvalStatus;

// Texts longer than this are refused with UnknownExpression. Sub-texts are
// always shorter than their parent, so this also bounds the recursion depth.
inline constexpr std::size_t MaxExpressionLength = 254;

// Evaluates `text` with the game's precedence. Returns 0 whenever
// EvalStatus.Code is non-zero afterwards, also when it was non-zero before.
long double EvaluateExpression(std::string_view text);

// Writes the Polish message of codes 0 to 5 into `destination` (UTF-8); for
// any other code it leaves `destination` as it was.
void EvalErrorMessage(std::uint8_t code, std::string& destination);

}  // namespace kwintor
