#pragma once

#include <Qt>

#include <optional>
#include <variant>

#include "equation.h"

namespace kwintor {

enum class SlotMove { Previous, Next, First, Last };

// What a key asks of the slot in focus: an operator to put in (Empty
// empties the slot) or a move of the focus along the slots.
using SlotKeyAction = std::variant<OperatorCode, SlotMove>;

// "+", "-", "*" or "x", "/" or ":" (and the keypad's own), Delete or
// Backspace; the arrows, Left and Up back, Right and Down on, as along a row
// of option buttons; Home and End. Nothing for any other key, nor with
// Control, Alt or Meta held.
std::optional<SlotKeyAction> SlotKeyActionFor(int key, Qt::KeyboardModifiers modifiers);

}  // namespace kwintor
