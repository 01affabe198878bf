// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace kwintor {

// Truncates towards zero; values beyond the 32-bit range saturate and NaN
// gives 0, so no evaluated value can make the conversion undefined.
inline std::int32_t TruncateToInt32(long double value)
{
    using Limits = std::numeric_limits<std::int32_t>;
    if (std::isnan(value))
        return 0;
    if (value <= static_cast<long double>(Limits::min()))
        return Limits::min();
    if (value >= static_cast<long double>(Limits::max()))
        return Limits::max();
    return static_cast<std::int32_t>(value);
}

// Rounds to the nearest whole number, a half to the even neighbour;
// saturates like TruncateToInt32.
inline std::int64_t RoundHalfToEven(long double value)
{
    using Limits = std::numeric_limits<std::int64_t>;
    if (std::isnan(value))
        return 0;
    const long double rounded = std::nearbyint(value);  // the default mode rounds halves to even
    if (rounded <= static_cast<long double>(Limits::min()))
        return Limits::min();
    if (rounded >= static_cast<long double>(Limits::max()))
        return Limits::max();
    return static_cast<std::int64_t>(rounded);
}

}  // namespace kwintor
