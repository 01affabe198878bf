// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "equation.h"

namespace kwintor {

// The operator each palette tile puts into a slot, Image1 to Image4; on
// screen plus comes first, in Image2.
inline constexpr std::array<OperatorCode, 4> PaletteOperators = {
    OperatorCode::Minus, OperatorCode::Plus, OperatorCode::Multiplication, OperatorCode::Division};

// Where the tile of `code` stands in PaletteOperators; none for Empty, which
// no tile carries.
std::optional<std::size_t> PaletteIndex(OperatorCode code);

}  // namespace kwintor
