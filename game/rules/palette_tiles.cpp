// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "palette_tiles.h"

#include <algorithm>

namespace kwintor {

std::optional<std::size_t> PaletteIndex(OperatorCode code)
{
    const auto tile = std::find(PaletteOperators.begin(), PaletteOperators.end(), code);
    if (tile == PaletteOperators.end())
        return std::nullopt;
    return std::size_t(tile - PaletteOperators.begin());
}

}  // namespace kwintor
