// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

#include "drop_rules.h"
#include "equation.h"

namespace kwintor {

// Slot `number` with what it holds, as a screen reader reads it: "Pole 2: plus".
QString SlotSpeech(std::size_t number, OperatorCode code);

// What one move of the player did, said at once: a screen reader drops or
// garbles a message that another follows closely. The slot it landed on,
// every other slot it changed, then the slot the focus went on to (0: the
// focus stayed): "Pole 1: plus. Pole 2: puste".
QString SlotChangeSpeech(std::size_t target, const SlotOperators& before, const SlotOperators& after,
                         std::size_t slotsInUse, std::size_t focused);

// The palette tile of `code` by the word a Polish pupil says: "podzielić".
QString TileSpeech(OperatorCode code);

// The round's Equation with the PlayerOperators, "?" for an empty slot and
// the sign a Polish pupil writes for a filled one: "Równanie: 12 + 3 ? 4 = 24".
QString EquationSpeech(std::uint8_t operandCount, std::int32_t target);

// A round as it begins: "Poziom 2. Równanie: 3 ? 4 ? 5 = 17. Czas: 60 sekund.";
// without the clock when `seconds` is 0, as in a test.
QString RoundSpeech(const QString& caption, std::uint8_t operandCount, std::int32_t target, int seconds);

}  // namespace kwintor
