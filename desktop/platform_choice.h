// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

#include <optional>

#include "screen_zoom.h"

namespace kwintor {

// What the session tells a program before it opens a window.
struct SessionFacts {
    QByteArray chosenPlatform;  // the player's first choice in QT_QPA_PLATFORM
    bool waylandSession = false;
    bool compositorAnswered = false;
    bool compositorDrawsFrames = false;
    bool x11DisplayOffered = false;  // the desktop runs Xwayland for its X programs
    std::optional<ScreenSize> compositorScreen;
};

// Reads the environment and asks the Wayland compositor, where the game may
// open on it, once for everything start-up needs to know of it.
SessionFacts ReadSession();

// Whether the game opens its windows through the desktop's X server rather
// than on Wayland itself: where the compositor draws no frames (GNOME's
// Mutter), Qt would draw a stand-in title bar on every box and the desktop
// would leave the boxes at the board's corner; its X window manager frames
// them and centres them on the board. The player's own choice stands.
bool PreferXwayland(const SessionFacts& session);

// Whether Qt draws stand-in frames around the windows that draw none of
// their own, the boxes: on Wayland, beside a compositor that draws none.
// Asks the application object, which knows the platform it opened.
bool QtDrawsFrames(const SessionFacts& session);

enum class Platform { X11, Wayland, Other };

// Which of Qt's platforms the application object is going to load: the
// player's choice, else ours, else the session's kind, as Qt decides.
Platform PlatformQtWillUse(const SessionFacts& session);

// Must run before the application object is made, which reads the platform
// once.
void ChoosePlatformBeforeApplication(const SessionFacts& session);

}  // namespace kwintor
