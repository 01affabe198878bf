// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

#include "equation.h"

namespace kwintor {

// Everything the game says or shows of one operator, and of an empty slot.
struct OperatorFacts {
    OperatorCode Code;
    char Symbol;  // in an expression the evaluator reads
    std::string_view Sign;  // as a pupil writes it on the board (UTF-8)
    std::string_view SlotWord;  // a slot holding it, read aloud
    std::string_view TileWord;  // its tile, read aloud
    // Characters whose keys put it into a slot, as Qt's key codes of them
    // are their code points: "×" and "÷" come with AltGr on some layouts.
    std::u32string_view Keys;
};

// In OperatorCode order, so that a code is its own index.
inline constexpr std::array<OperatorFacts, 5> OperatorTable {{
    {OperatorCode::Plus, '+', "+", "plus", "plus", U"+"},
    {OperatorCode::Minus, '-', "-", "minus", "minus", U"-"},
    {OperatorCode::Division, '/', ":", "dzielone przez", "podzielić", U"/:\u00F7"},
    {OperatorCode::Multiplication, '*', "\u00B7", "razy", "razy", U"*X\u00D7"},
    {OperatorCode::Empty, '?', "?", "puste", "", U""},
}};

// A code outside the enumeration reads as an empty slot.
constexpr const OperatorFacts& FactsOf(OperatorCode code)
{
    const auto index = static_cast<std::size_t>(code);
    return OperatorTable[index < OperatorTable.size() ? index : OperatorTable.size() - 1];
}

// The operator a key of that character puts into a slot, if any.
constexpr std::optional<OperatorCode> OperatorOfKey(char32_t character)
{
    for (const OperatorFacts& facts : OperatorTable) {
        if (facts.Keys.find(character) != std::u32string_view::npos)
            return facts.Code;
    }
    return std::nullopt;
}

// The operator written as SYMBOL in an expression ("?" for an empty slot).
constexpr std::optional<OperatorCode> OperatorOfSymbol(char symbol)
{
    const auto* facts = std::find_if(OperatorTable.begin(), OperatorTable.end(),
                                     [symbol](const OperatorFacts& f) { return f.Symbol == symbol; });
    if (facts == OperatorTable.end())
        return std::nullopt;
    return facts->Code;
}

static_assert(std::all_of(OperatorTable.begin(), OperatorTable.end(),
                          [](const OperatorFacts& f) { return &FactsOf(f.Code) == &f; }));

}  // namespace kwintor
