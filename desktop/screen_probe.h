// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

#include "screen_zoom.h"

namespace kwintor {

// The first screen of the X display in DISPLAY, scaled down by its Xft.dpi
// as Qt's X11 platform scales it.
std::optional<ScreenSize> ProbeX11Screen();

// What the Wayland compositor in WAYLAND_DISPLAY tells a client before it
// opens a window: its first output, the current mode divided by the
// output's scale, and whether it offers to draw the windows' frames.
struct WaylandDesktop {
    std::optional<ScreenSize> screen;
    bool drawsFrames = false;
};

// Nothing where no compositor answers.
std::optional<WaylandDesktop> ProbeWaylandDesktop();

}  // namespace kwintor
