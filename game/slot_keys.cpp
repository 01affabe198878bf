// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "slot_keys.h"

#include "operators.h"

namespace kwintor {

namespace {

// Shift gives "+", "*" and ":" on most layouts and AltGr "×" and "÷" on some;
// the keypad sends the same keys as the main block.
constexpr Qt::KeyboardModifiers TypingModifiers =
    Qt::ShiftModifier | Qt::KeypadModifier | Qt::GroupSwitchModifier;

}  // namespace

std::optional<SlotKeyAction> SlotKeyActionFor(int key, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & ~TypingModifiers)
        return std::nullopt;
    // Qt's codes of the printable keys are the code points of their characters.
    if (const std::optional<OperatorCode> code = OperatorOfKey(char32_t(key)))
        return *code;
    switch (key) {
    case Qt::Key_Delete:
    case Qt::Key_Backspace: return OperatorCode::Empty;
    case Qt::Key_Left:
    case Qt::Key_Up: return SlotMove::Previous;
    case Qt::Key_Right:
    case Qt::Key_Down: return SlotMove::Next;
    case Qt::Key_Home: return SlotMove::First;
    case Qt::Key_End: return SlotMove::Last;
    case Qt::Key_Equal: return BoardQuestion::WholeEquation;
    case Qt::Key_C: return BoardQuestion::Clock;
    case Qt::Key_P: return BoardQuestion::Score;
    default: return std::nullopt;
    }
}

}  // namespace kwintor
