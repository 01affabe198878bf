// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drop_rules.h"

namespace kwintor {

SlotOperators AfterDrop(const SlotOperators& slots, std::size_t target, DropSource source)
{
    SlotOperators after = slots;
    if (const auto* tile = std::get_if<TileSource>(&source)) {
        after[target] = tile->code;
        return after;
    }
    const std::size_t from = std::get<SlotSource>(source).number;
    after[target] = slots[from];
    after[from] = OperatorCode::Empty;
    return after;
}

}  // namespace kwintor
