// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <variant>

#include "equation.h"

namespace kwintor {

// What the slots hold, as PlayerOperators: entry i is slot i.
using SlotOperators = NumberedArray<OperatorCode, MaxOperands>;

// A palette tile that was dragged, by the operator it carries.
struct TileSource {
    OperatorCode code;
};

// A slot that was dragged, by its number: a plain click drags a slot onto itself.
struct SlotSource {
    std::size_t number;
};

using DropSource = std::variant<TileSource, SlotSource>;

// The slots after `source` is dropped on slot `target`. A tile puts its
// operator in; a slot moves what it holds over (an empty one empties the
// target) and is left empty, also when dropped onto itself. Whatever the
// target held is gone: a move never swaps. Every slot accepts every drop.
SlotOperators AfterDrop(const SlotOperators& slots, std::size_t target, DropSource source);

}  // namespace kwintor
