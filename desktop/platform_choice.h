// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace kwintor {

// What the session tells a program before it opens a window.
struct SessionFacts {
    bool platformChosen = false;  // QT_QPA_PLATFORM says it
    bool waylandSession = false;
    bool compositorAnswered = false;
    bool compositorDrawsFrames = false;
    bool x11DisplayOffered = false;  // the desktop runs Xwayland for its X programs
};

// Whether the game opens its windows through the desktop's X server rather
// than on Wayland itself: where the compositor draws no frames (GNOME's
// Mutter), Qt would draw a stand-in title bar on every box and the desktop
// would leave the boxes at the board's corner; its X window manager frames
// them and centres them on the board. The player's own choice stands.
bool PreferXwayland(const SessionFacts& session);

// Must run before the application object is made, which reads the platform
// once.
void ChoosePlatformBeforeApplication();

}  // namespace kwintor
