// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// How the evaluator reads the shape of a text. Positions are 0-based here;
// the depth rules are those of the game's evaluator, which also decide what
// happens with parentheses that do not balance.

#include <cstddef>
#include <optional>
#include <string_view>

namespace kwintor::detail {

// True when every character is a digit or a point; true for the empty text.
bool IsNumberText(std::string_view text);

// Reads a number text as a decimal: digits with an optional point and more
// digits, or a point and digits. False for "", ".", "5." and "1.2.3".
bool ParseDecimal(std::string_view text, long double& value);

// For a text that begins with "(" and ends with ")": true when the first
// parenthesis closes at the last character, as in "((1)+(2))".
bool IsWrappedInParentheses(std::string_view text);

// True when `op` stands outside all parentheses somewhere in `text`. A ")" in
// the first position is not counted.
bool ContainsAtTopLevel(char op, std::string_view text);

// The rightmost position outside all parentheses that holds one of
// `operators`, scanning from the end; nullopt when the parentheses leave
// none (as in "1+2)").
std::optional<std::size_t> FindSplitFromRight(std::string_view text, std::string_view operators);

}  // namespace kwintor::detail
