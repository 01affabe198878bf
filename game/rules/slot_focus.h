// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>

namespace kwintor {

enum class SlotMove { Previous, Next, First, Last };

// The slots a round of `operandCount` numbers uses, one between each two,
// as far as the board has slots.
std::size_t UsedSlotCount(std::uint8_t operandCount);

// The slot the focus goes to from slot `number` of the `usedSlots` in use;
// it stops at either end. 0 when the round uses no slot.
std::size_t SlotAfterMove(std::size_t number, SlotMove move, std::size_t usedSlots);

}  // namespace kwintor
