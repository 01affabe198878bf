// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tcolor.h"

#include "desktop_metrics.h"

namespace kwintor {

namespace {

constexpr TColor SystemColorBit = 0x80000000;

}  // namespace

std::uint32_t ResolveColor(TColor color)
{
    if ((color & SystemColorBit) == 0)
        return color & 0xFFFFFF;
    const QColor system = desktop::SystemColor(static_cast<unsigned char>(color & 0xFF));
    return static_cast<std::uint32_t>(system.red()) | static_cast<std::uint32_t>(system.green()) << 8 |
        static_cast<std::uint32_t>(system.blue()) << 16;
}

QColor ToQColor(std::uint32_t rgb)
{
    const auto channel = [rgb](int shift) { return static_cast<int>((rgb >> shift) & 0xFFU); };
    return QColor(channel(0), channel(8), channel(16));
}

}  // namespace kwintor
