// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

#include <cstdint>

namespace kwintor {

// 0x00BBGGRR, or with the top bit set a system colour index in the low byte.
using TColor = std::uint32_t;
inline constexpr TColor clActiveCaption = 0x80000002;
inline constexpr TColor clInactiveCaption = 0x80000003;

// A system colour looked up in the desktop's scheme, any other colour as it
// is without its top byte: 0x00BBGGRR.
std::uint32_t ResolveColor(TColor color);

// A resolved 0x00BBGGRR value as Qt knows colours.
QColor ToQColor(std::uint32_t rgb);

}  // namespace kwintor
