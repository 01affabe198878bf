// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "slot_focus.h"

#include <algorithm>

#include "equation.h"

namespace kwintor {

std::size_t UsedSlotCount(std::uint8_t operandCount)
{
    const std::size_t slots = MaxOperands - 1;
    return std::min(operandCount > 0 ? std::size_t(operandCount - 1) : 0, slots);
}

std::size_t SlotAfterMove(std::size_t number, SlotMove move, std::size_t usedSlots)
{
    if (usedSlots == 0)
        return 0;
    switch (move) {
    case SlotMove::Previous: number = number > 1 ? number - 1 : 1; break;
    case SlotMove::Next: number = number + 1; break;
    case SlotMove::First: number = 1; break;
    case SlotMove::Last: number = usedSlots; break;
    }
    return std::min(number, usedSlots);
}

}  // namespace kwintor
