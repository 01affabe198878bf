// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text_scans.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

namespace kwintor::detail {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), IsDigit);
}

bool IsDecimalForm(std::string_view text)
{
    const auto point = text.find('.');
    if (point == std::string_view::npos)
        return IsDigits(text);
    const auto whole = text.substr(0, point);
    return (whole.empty() || IsDigits(whole)) && IsDigits(text.substr(point + 1));
}

// Up to 19 digits fit a 64-bit integer, whose conversion is exact; game
// expressions take this path, which needs no allocation.
constexpr std::size_t ExactIntegerDigits = 19;

}  // namespace

bool IsNumberText(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return IsDigit(c) || c == '.'; });
}

bool ParseDecimal(std::string_view text, long double& value)
{
    if (!IsDecimalForm(text))
        return false;
    if (text.find('.') == std::string_view::npos && text.size() <= ExactIntegerDigits) {
        std::uint64_t whole = 0;
        for (const char digit : text)
            whole = whole * 10 + static_cast<std::uint64_t>(digit - '0');
        value = static_cast<long double>(whole);
        return true;
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc {} && end == text.data() + text.size();
}

bool IsWrappedInParentheses(std::string_view text)
{
    int depth = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '(')
            ++depth;
        else if (text[i] == ')')
            --depth;
        if (depth == 0 && i + 1 != text.size())
            return false;
    }
    return true;
}

bool ContainsAtTopLevel(char op, std::string_view text)
{
    if (text.empty())
        return false;
    int depth = text.front() == '(' ? 1 : 0;
    if (text.front() == op)
        return true;
    for (const char c : text.substr(1)) {
        if (c == '(')
            ++depth;
        else if (c == ')')
            --depth;
        else if (c == op && depth == 0)
            return true;
    }
    return false;
}

std::optional<std::size_t> FindSplitFromRight(std::string_view text, std::string_view operators)
{
    int depth = 0;
    for (std::size_t i = text.size(); i-- > 0;) {
        if (text[i] == ')')
            --depth;
        else if (text[i] == '(')
            ++depth;
        else if (depth == 0 && operators.find(text[i]) != std::string_view::npos)
            return i;
    }
    return std::nullopt;
}

}  // namespace kwintor::detail
