// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <Qt>

#include <optional>
#include <variant>

#include "equation.h"
#include "slot_focus.h"

namespace kwintor {

// What a player may ask a screen reader to say again.
enum class BoardQuestion { WholeEquation, Clock, Score };

// What a key asks of the slot in focus: an operator to put in (Empty
// empties the slot), a move of the focus along the slots, or a question.
using SlotKeyAction = std::variant<OperatorCode, SlotMove, BoardQuestion>;

// "+", "-", "*" or "x", "/" or ":" (and the keypad's own), Delete or
// Backspace; the arrows, Left and Up back, Right and Down on, as along a row
// of option buttons; Home and End; "=" for the equation, C for the clock (czas)
// and P for the score (punkty). Nothing for any other key, nor with
// Control, Alt or Meta held.
std::optional<SlotKeyAction> SlotKeyActionFor(int key, Qt::KeyboardModifiers modifiers);

}  // namespace kwintor
