// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace kwintor {

struct SessionFacts;

// A screen's size in the platform's logical pixels: its pixels divided by
// the ratio the desktop itself scales by.
struct ScreenSize {
    double width = 0;
    double height = 0;
};

// How much larger than its design the whole game is drawn on `screen`:
// the largest quarter step at which the restored window still fits beside
// a desktop's panel, and 1 where the design fits the screen as it is.
double BoardZoom(ScreenSize screen);

// Must run before the application object is made, which reads the factor
// once: zooms the game for the screen it opens on, unless the player has
// chosen Qt's scale factor already.
void ZoomToScreen(const SessionFacts& session);

}  // namespace kwintor
