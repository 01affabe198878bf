// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

#include <cstdint>

namespace kwintor {

// A colour as the windows' interface takes it: 0x00BBGGRR, red in the low
// byte; with the top bit set, a system colour index in the low byte instead.
using TColor = std::uint32_t;
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clActiveCaption = 0x80000002;
inline constexpr TColor clInactiveCaption = 0x80000003;

// A system colour looked up in the desktop's scheme, any other colour as it
// is without its top byte: 0x00BBGGRR.
std::uint32_t ResolveColor(TColor color);

// A resolved 0x00BBGGRR value as Qt knows colours.
QColor ToQColor(std::uint32_t rgb);

}  // namespace kwintor
