// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

#include "screen_zoom.h"

namespace kwintor {

// The first screen of the X display in DISPLAY, scaled down by its Xft.dpi
// as Qt's X11 platform scales it.
std::optional<ScreenSize> ProbeX11Screen();

// The first output of the Wayland compositor in WAYLAND_DISPLAY, its
// current mode divided by the output's scale.
std::optional<ScreenSize> ProbeWaylandScreen();

}  // namespace kwintor
