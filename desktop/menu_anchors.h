// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QMenuBar;

namespace kwintor {

// Opens each menu of `bar` right below its title on a zoomed Wayland
// board. From Qt 6.11 a menu asks the compositor to open below its title,
// but names the title's place in the game's logical pixels where the
// compositor reads the window's own, and the zoom moved the menu up over
// the menu bar.
void AnchorMenusBelowTitles(QMenuBar& bar);

}  // namespace kwintor
