// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "evaluator.h"

#include <cmath>
#include <cstdint>
#include <optional>

#include "text_scans.h"
#include "whole_numbers.h"

namespace kwintor {

EvaluationStatus EvalStatus;

namespace {

using detail::ContainsAtTopLevel;
using detail::FindSplitFromRight;
using detail::IsNumberText;
using detail::IsWrappedInParentheses;

// π as the x87 FPU holds it: biased exponent 4000h, significand C90FDAA22168C235h.
constexpr long double Pi = 0xC90FDAA22168C235p-62L;

// Sine and cosine of arguments this large give 0, as the FPU's fsin did.
constexpr long double TrigonometryLimit = 0x1p63L;

// Integer powers with more factors than this are computed by squaring; the
// left fold would take seconds for an exponent near 2^31.
constexpr std::uint64_t LongestLeftFold = 1U << 16;

void Raise(EvalErrorCode code) { EvalStatus.Code = code; }

void Raise(EvalErrorCode code, std::string_view text)
{
    EvalStatus.Code = code;
    EvalStatus.Text.assign(text);
}

long double Evaluate(std::string_view text);

long double RepeatedProduct(long double base, std::uint64_t factors)
{
    if (factors > LongestLeftFold) {
        long double result = 1;
        for (long double square = base; factors != 0; factors >>= 1, square *= square)
            if (factors & 1U)
                result *= square;
        return result;
    }
    long double product = base;
    for (std::uint64_t i = 1; i < factors; ++i)
        product *= base;
    return product;
}

long double IntegerPower(std::int32_t exponent, long double base)
{
    if (exponent < 0) {
        if (base == 0) {
            Raise(ZeroBaseNegativeExponent);
            return 0;
        }
        return RepeatedProduct(1 / base, static_cast<std::uint64_t>(-static_cast<std::int64_t>(exponent)));
    }
    if (exponent == 0)
        return 0;  // not 1: the game's evaluator has always answered 0 here
    return RepeatedProduct(base, static_cast<std::uint64_t>(exponent));
}

// A positive base takes any real exponent; any other base only a whole one
// within 32 bits (larger ones saturate and so count as not whole).
long double Power(long double base, long double exponent, std::string_view powerText)
{
    if (base > 0)
        return std::exp(exponent * std::log(base));
    const std::int32_t whole = TruncateToInt32(exponent);
    if (static_cast<long double>(whole) == exponent)
        return IntegerPower(whole, base);
    Raise(NegativeBaseFractionalExponent, powerText);
    return 0;
}

// Rule 1: a text of digits and points is a number, or a syntax error.
long double EvaluateNumber(std::string_view text)
{
    long double value = 0;
    if (!detail::ParseDecimal(text, value)) {
        Raise(SyntaxError, text);
        return 0;
    }
    return value;
}

// The text on either side of the rightmost of `operators` outside
// parentheses, or an unknown expression when there is none.
struct Split {
    std::string_view left;
    char sign;
    std::string_view right;
};

std::optional<Split> SplitFromRight(std::string_view text, std::string_view operators)
{
    const auto at = FindSplitFromRight(text, operators);
    if (!at) {
        Raise(UnknownExpression, text);
        return std::nullopt;
    }
    return Split {text.substr(0, *at), text[*at], text.substr(*at + 1)};
}

// Rule 3: split at the rightmost "+" or "-" outside parentheses; a "-" in
// the first position negates the rest.
long double EvaluateSum(std::string_view text)
{
    const auto split = SplitFromRight(text, "+-");
    if (!split)
        return 0;
    const auto [left, sign, right] = *split;
    if (sign == '+') {
        const long double augend = Evaluate(left);
        return augend + Evaluate(right);
    }
    if (left.empty())
        return -Evaluate(right);
    const long double minuend = Evaluate(left);
    return minuend - Evaluate(right);
}

// Rule 4: split at the rightmost "*", "/" or "^" outside parentheses, so all
// three group from the left at one level.
long double EvaluateProduct(std::string_view text)
{
    const auto split = SplitFromRight(text, "*/^");
    if (!split)
        return 0;
    const auto [left, sign, right] = *split;
    switch (sign) {
    case '*': {
        const long double multiplicand = Evaluate(left);
        return multiplicand * Evaluate(right);
    }
    case '/': {
        // The divisor comes first; a zero divisor leaves the dividend unread.
        const long double divisor = Evaluate(right);
        if (divisor == 0) {
            Raise(DivisionByZero);
            return 0;
        }
        return Evaluate(left) / divisor;
    }
    default: {
        const long double base = Evaluate(left);
        return Power(base, Evaluate(right), text);
    }
    }
}

// Rule 6: the argument of `prefix` when `text` is a call of it.
std::optional<std::string_view> FunctionArgument(std::string_view text, std::string_view prefix)
{
    if (!text.starts_with(prefix) || !text.ends_with(')'))
        return std::nullopt;
    return text.substr(prefix.size(), text.size() - prefix.size() - 1);
}

long double Sine(long double argument)
{
    return std::fabs(argument) >= TrigonometryLimit ? 0 : std::sin(argument);
}

long double Cosine(long double argument)
{
    return std::fabs(argument) >= TrigonometryLimit ? 0 : std::cos(argument);
}

long double NaturalLogarithm(long double argument)
{
    if (argument > 0)
        return std::log(argument);
    Raise(LogOfNonPositive);
    return 0;
}

// The first rule that fits the text decides its value.
long double ApplyFirstRule(std::string_view text)
{
    if (IsNumberText(text))
        return EvaluateNumber(text);
    if (text.starts_with('(') && text.ends_with(')') && IsWrappedInParentheses(text))
        return Evaluate(text.substr(1, text.size() - 2));
    if (ContainsAtTopLevel('+', text) || ContainsAtTopLevel('-', text))
        return EvaluateSum(text);
    if (ContainsAtTopLevel('*', text) || ContainsAtTopLevel('/', text) || ContainsAtTopLevel('^', text))
        return EvaluateProduct(text);
    if (text == "pi" || text == "PI")
        return Pi;
    if (text == "e" || text == "E")
        return std::exp(1.0L);
    if (const auto argument = FunctionArgument(text, "sin("))
        return Sine(Evaluate(*argument));
    if (const auto argument = FunctionArgument(text, "cos("))
        return Cosine(Evaluate(*argument));
    if (const auto argument = FunctionArgument(text, "abs("))
        return std::fabs(Evaluate(*argument));
    if (const auto argument = FunctionArgument(text, "ln("))
        return NaturalLogarithm(Evaluate(*argument));
    Raise(UnknownExpression, text);
    return 0;
}

// One level of the evaluation: once any level has failed, every level
// answers 0, and a value out of range fails here.
long double Evaluate(std::string_view text)
{
    const long double value = ApplyFirstRule(text);
    if (EvalStatus.Code != NoError)
        return 0;
    if (!std::isfinite(value)) {
        Raise(Overflow);
        return 0;
    }
    return value;
}

}  // namespace

long double EvaluateExpression(std::string_view text)
{
    if (text.size() > MaxExpressionLength) {
        Raise(UnknownExpression, text);
        return 0;
    }
    return Evaluate(text);
}

void EvalErrorMessage(std::uint8_t code, std::string& destination)
{
    static constexpr const char* messages[] = {
        "bez błędu",
        "dzielenie przez zero",
        "błąd składni :",
        "nieznane wyrażenie :",
        "ujemna do potegi niecałkowitej :",
        "0 do potegi ujemnej",
    };
    if (code < std::size(messages))
        destination = messages[code];
}

}  // namespace kwintor
